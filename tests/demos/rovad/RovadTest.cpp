#include "../DemoFixture.h"

#include "demos/rovad/Form1.h"
#include "demos/rovad/KlangPanel.h"
#include "demos/rovad/modKlang.h"
#include "demos/frame/HarmonicSum.h"

#include "common/SampleChunkBuilder.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace demo_tests;
using namespace testing_support;
using rovad::KlangAmplitudes;

namespace {

// Frame n before the gain step.
std::int16_t unraised(const KlangAmplitudes &amplitudes, float frequency, std::int32_t n)
{
    return demos::HarmonicSum(amplitudes, SampleMath::Omega(frequency), n);
}

struct GainRow {
    const char *name;
    KlangAmplitudes amplitudes;
    int gain;
    std::int16_t peak;
};

class Rovad : public DemoFixture {
protected:
    rovad::Form1 window;
    rovad::KlangPanel &panel = *window.panel;
};

// The left channel of a played or exported file.
std::vector<std::int16_t> leftOf(const QByteArray &wave)
{
    const std::vector<std::int16_t> values = samples(wave, 44);
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i < values.size(); i += 2)
        left.push_back(values[i]);
    return left;
}

} // namespace

// Every chunk of a tone whose period fits in the first chunk is raised by one whole factor.
TEST(modKlang, GainRaisesThePeakTowards19170)
{
    const GainRow rows[] = {
        {"fundamental at 100 %", {100}, 9, 19170},
        {"fundamental at 50 %", {50}, 18, 19170},
        {"fundamental at 1 %", {1}, 912, 19152},
        {"a decaying set", {100, 50, 33, 25, 20, 17, 14, 12, 11, 10, 9, 8, 8, 7, 7}, 5, 18570},
        {"all fifteen at 100 %: no gain", {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         1, 23859},
    };
    for (const GainRow &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        rovad::modKlang::SynthesizeKlang(100.0f, row.amplitudes, 3 * 44100, chunks);
        // eight full chunks and 12300 frames
        for (int k = 0; k < 8; ++k)
            ASSERT_EQ(chunks[std::size_t(k)].size(), BytesPerChunk);
        ASSERT_EQ(chunks[8].size(), 12300 * 4);
        ASSERT_TRUE(chunks[9].isEmpty());
        const std::vector<std::int16_t> values = samples(joined(chunks));
        for (std::int32_t n = 1; n <= 3 * 44100; ++n) {
            const std::int16_t expected = std::int16_t(unraised(row.amplitudes, 100.0f, n) * row.gain);
            ASSERT_EQ(values[std::size_t(2 * n - 2)], expected) << "frame " << n;
            ASSERT_EQ(values[std::size_t(2 * n - 1)], expected) << "frame " << n;
        }
        const std::vector<std::int16_t> first = samples(chunks[0]);
        EXPECT_EQ(*std::max_element(first.begin(), first.end()), row.peak);
    }
}

// At -1.6 Hz the first chunk holds a whole negative half-wave but a positive peak below 600:
// the gain of 32 would take -2130 to -68160.
TEST(modKlang, AGainBeyondSixteenBitsSaturates)
{
    const KlangAmplitudes amplitudes{100};
    SampleChunks chunks;
    rovad::modKlang::SynthesizeKlang(-1.6f, amplitudes, 2 * 44100, chunks);
    const std::vector<std::int16_t> first = samples(chunks[0]);
    int saturated = 0;
    for (std::int32_t n = 1; n <= FramesPerChunk; ++n) {
        const std::int32_t raised = unraised(amplitudes, -1.6f, n) * 32;
        const std::int16_t expected = std::int16_t(std::clamp(raised, -32768, 32767));
        ASSERT_EQ(first[std::size_t(2 * n - 2)], expected) << "frame " << n;
        saturated += raised < -32768;
    }
    EXPECT_EQ(*std::min_element(first.begin(), first.end()), -32768);
    EXPECT_GT(saturated, 1000);
    // the second chunk takes its gain from the maximum of all frames so far
    std::int16_t maximum = 0;
    for (std::int32_t n = 1; n <= 2 * FramesPerChunk; ++n)
        maximum = std::max(maximum, unraised(amplitudes, -1.6f, n));
    const int gain = 19170 / maximum;
    EXPECT_LT(gain, 32);
    const std::vector<std::int16_t> second = samples(chunks[1]);
    for (std::int32_t n = 1; n <= FramesPerChunk; ++n)
        ASSERT_EQ(second[std::size_t(2 * n - 2)], unraised(amplitudes, -1.6f, FramesPerChunk + n) * gain) << n;
}

// The gain step sees only positive values raise its maximum, carried across chunks.
TEST(modKlang, RunningMaximumIsCarriedAcrossChunks)
{
    rovad::modKlang::GainStep gain;
    std::vector<std::int16_t> first{-5000, -5000, 100, 100};
    gain(first);
    EXPECT_EQ(first, (std::vector<std::int16_t>{-32768, -32768, 19100, 19100}));
    std::vector<std::int16_t> second{50, 50, 0, 0};
    gain(second);
    EXPECT_EQ(gain.runningMaximum(), 100);
    EXPECT_EQ(second, (std::vector<std::int16_t>{9550, 9550, 0, 0}));
    std::vector<std::int16_t> loud{19170, 19170};
    gain(loud);
    std::vector<std::int16_t> after{100, 100};
    gain(after);
    EXPECT_EQ(after, (std::vector<std::int16_t>{100, 100}));
}

TEST_F(Rovad, StartsWithTheDesignValues)
{
    EXPECT_EQ(window.windowTitle(), "Klangerzeugung");
    EXPECT_EQ(panel.Text16->text(), "100");
    EXPECT_EQ(panel.Text17->text(), "3");
    EXPECT_EQ(panel.Label1to15[2]->text(), "3  f0");
    EXPECT_EQ(panel.Label1to15[6]->text(), " 7 f0");
    EXPECT_EQ(panel.Label1to15[14]->text(), "15 f0");
    for (platform::TextBox *box : panel.Text1)
        EXPECT_EQ(box->text(), "0");
    // both plots are drawn when the window is made
    EXPECT_FALSE(panel.Ausgabe1->surface().primitives().isEmpty());
    EXPECT_EQ(panel.Ausgabe2->surface().primitives().size(), 2 + 15 * 2);
    EXPECT_EQ(panel.size(), QSize(659, 504));
    // the captions before the frequency box and the duration bar keep their layout's width
    EXPECT_EQ(panel.Label16->width(), 137);
    EXPECT_LE(panel.Label16->sizeHint().width(), 137);
    EXPECT_LE(panel.Label17->sizeHint().width(), panel.Label17->width());
}

TEST_F(Rovad, PlayOpensPlaysAndClosesTheDevice)
{
    const QString soundFile = platform::soundFilePath();
    panel.VScroll1[0]->setValue(100);
    panel.Command2->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"DeviceType=WaveAudio", "FileName=" + soundFile, "Flag1=false",
                                              "Flag2=true", "Command=Open", "Command=Sound", "Command=Close"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 529200);
    EXPECT_EQ(u32At(wave, 40), 529200u);
    const std::vector<std::int16_t> left = leftOf(wave);
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 19170);
    EXPECT_EQ(*std::min_element(left.begin(), left.end()), -19170);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_EQ(services.pointerChanges,
              (QList<platform::MousePointer>{platform::MousePointer::Hourglass, platform::MousePointer::Default}));

    // no unload handler: closing sends nothing
    window.Command1->click();
    EXPECT_EQ(services.mciWrites.size(), 7);
}

// Hosted without the window, the panel plays the same bytes and leaves the pointer alone.
TEST_F(Rovad, APanelOnItsOwnPlaysWithoutTheHourglass)
{
    rovad::KlangPanel hosted;
    for (rovad::KlangPanel *p : {&hosted, &panel}) {
        p->VScroll1[1]->setValue(60);
        p->Text16->setText(QStringLiteral("220"));
        p->HScroll1->setValue(2);
    }
    hosted.Command2->click();
    EXPECT_TRUE(services.pointerChanges.isEmpty());
    panel.Command2->click();
    ASSERT_EQ(services.playedFiles.size(), 2);
    EXPECT_EQ(services.playedFiles[0], services.playedFiles[1]);
    EXPECT_EQ(services.mciCommands(), (QStringList{"Open", "Sound", "Close", "Open", "Sound", "Close"}));
}

TEST_F(Rovad, ExportHoldsThePlayedBytes)
{
    panel.VScroll1[3]->setValue(70);
    panel.Text16->setText(QStringLiteral("-1,6"));
    panel.Command2->click();
    services.dialogAnswers = {path(QStringLiteral("klang.wav"))};
    window.frame().exportWave();
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(readFile(path(QStringLiteral("klang.wav"))), services.playedFiles[0]);
}

TEST_F(Rovad, TheNegativeFundamentalSaturatesInsteadOfWrapping)
{
    panel.VScroll1[0]->setValue(100);
    panel.Text16->setText(QStringLiteral("-1,6"));
    panel.Command2->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    const std::vector<std::int16_t> left = leftOf(services.playedFiles[0]);
    EXPECT_EQ(*std::min_element(left.begin(), left.end()), -32768);
    for (std::int32_t n = 1; n <= FramesPerChunk; ++n)
        ASSERT_GE(int(left[std::size_t(n - 1)]) * unraised(panel.Amplitudes, -1.6f, n), 0) << "frame " << n;
}

TEST_F(Rovad, AFrequencyTextThatIsNoNumberIsToldAndChangesNothing)
{
    const QString exported = fileWith(QStringLiteral("alt.wav"), QByteArray("old bytes"));
    services.messageAnswer = platform::MessageResult::Yes;
    for (const char *text : {"-", "abc", "1a", "1,2,"}) {
        SCOPED_TRACE(text);
        services.messages.clear();
        services.mciWrites.clear();
        panel.VScroll1[0]->setValue(40);
        panel.Text16->setText(QString::fromLatin1(text));
        EXPECT_TRUE(services.messages.isEmpty());

        panel.Command2->click();
        services.dialogAnswers = {exported};
        window.frame().exportWave();

        // play's message, the question whether to replace the old file, export's message
        ASSERT_EQ(services.messages.size(), 3);
        for (int i : {0, 2})
            EXPECT_TRUE(services.messages[i].text.contains(QStringLiteral("Grundfrequenz „%1“").arg(QString::fromLatin1(text))))
                << services.messages[i].text.toStdString();
        EXPECT_TRUE(services.mciWrites.isEmpty());
        EXPECT_TRUE(services.playedFiles.isEmpty());
        EXPECT_EQ(readFile(exported), QByteArray("old bytes"));
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
        EXPECT_EQ(panel.Text16->text(), QString::fromLatin1(text));
    }
}

TEST_F(Rovad, TypingIntoTheFrequencyBox)
{
    window.show();
    panel.Text16->setFocus();
    panel.Text16->selectAll();
    QTest::keyClicks(panel.Text16, QStringLiteral("-12345"));
    // four characters at most, and no message while typing
    EXPECT_EQ(panel.Text16->text(), "-123");
    EXPECT_TRUE(services.messages.isEmpty());

    const QVector<platform::DrawnPrimitive> before = panel.Ausgabe1->surface().primitives();
    QTest::keyClick(panel.Text16, Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(panel.Text16, Qt::Key_Backspace);
    // emptied, the box reads "0"; the time plot, drawn anew, shows one period as before
    EXPECT_EQ(panel.Text16->text(), "0");
    ASSERT_EQ(panel.Ausgabe1->surface().primitives().size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        ASSERT_EQ(panel.Ausgabe1->surface().primitives()[i].to, before[i].to);
}

TEST_F(Rovad, ZeroHertzPlaysSilence)
{
    panel.VScroll1[0]->setValue(100);
    panel.Text16->clear();
    EXPECT_EQ(panel.Text16->text(), "0");
    panel.Command2->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    const std::vector<std::int16_t> values = samples(services.playedFiles[0], 44);
    EXPECT_EQ(values.size(), 3u * 88200);
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](std::int16_t v) { return v == 0; }));
}
