#include "../DemoFixture.h"
#include "../LeftChannel.h"
#include "../vevuzevu/HarmonicTesting.h"
#include "KlangTesting.h"

#include "demos/rovad/Form1.h"
#include "demos/rovad/KlangPanel.h"
#include "demos/rovad/KlangPlots.h"
#include "demos/frame/SettingsRecord.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <random>

using namespace demo_tests;
using namespace testing_support;
using rovad::KlangAmplitudes;
using rovad::PlotColor;

namespace {

class Rovad : public DemoFixture {
protected:
    QByteArray saved()
    {
        services.dialogAnswers = {path(QStringLiteral("klang.set"))};
        window.frame().saveSettings();
        return readFile(path(QStringLiteral("klang.set")));
    }

    void load(rovad::Form1 &into, const QByteArray &bytes)
    {
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), bytes)};
        into.frame().loadSettings();
    }

    rovad::Form1 window;
    rovad::KlangPanel &panel = *window.panel;
};

QByteArray record(const KlangAmplitudes &amplitudes, const QByteArray &text, std::int16_t duration,
                  int declaredLength = -1)
{
    demos::SettingsWriter writer;
    for (std::int16_t a : amplitudes)
        writer.int16(a);
    writer.uint16(std::uint16_t(declaredLength < 0 ? text.size() : declaredLength)).bytes(text);
    return writer.int16(duration).record();
}

KlangAmplitudes filled(std::int16_t value)
{
    KlangAmplitudes a;
    a.fill(value);
    return a;
}

} // namespace

// Hosted by the window, the panel plays with the hourglass; on its own, the same bytes without it.
TEST_F(Rovad, PlayOpensPlaysAndClosesTheDevice)
{
    rovad::KlangPanel alone;
    alone.VScroll1[0]->setValue(100);
    alone.Command2->click();
    EXPECT_TRUE(services.pointerChanges.isEmpty());

    const QString soundFile = platform::soundFilePath();
    panel.VScroll1[0]->setValue(100);
    panel.Command2->click();
    const QStringList once{"DeviceType=WaveAudio", "FileName=" + soundFile, "Flag1=false", "Flag2=true",
                           "Command=Open",         "Command=Sound",         "Command=Close"};
    EXPECT_EQ(services.mciLog(), once + once);
    ASSERT_EQ(services.playedFiles.size(), 2);
    const QByteArray &wave = services.playedFiles[1];
    EXPECT_EQ(services.playedFiles[0], wave);
    ASSERT_EQ(wave.size(), 44 + 529200);
    EXPECT_EQ(u32At(wave, 40), 529200u);
    const std::vector<std::int16_t> left = leftChannel(wave, 44);
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 19170);
    EXPECT_EQ(*std::min_element(left.begin(), left.end()), -19170);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_EQ(services.pointerChanges,
              (QList<platform::MousePointer>{platform::MousePointer::Hourglass, platform::MousePointer::Default}));

    // no unload handler: closing sends nothing
    window.Command1->click();
    EXPECT_EQ(services.mciWrites.size(), 14);
}

TEST_F(Rovad, TheNegativeFundamentalSaturatesAndExportHoldsThePlayedBytes)
{
    panel.VScroll1[0]->setValue(100);
    panel.Text16->setText(QStringLiteral("-1,6"));
    panel.Command2->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    const std::vector<std::int16_t> left = leftChannel(services.playedFiles[0], 44);
    EXPECT_EQ(*std::min_element(left.begin(), left.end()), -32768);
    for (std::int32_t n = 1; n <= FramesPerChunk; ++n)
        ASSERT_GE(int(left[std::size_t(n - 1)]) * unraised(panel.Amplitudes, -1.6f, n), 0) << "frame " << n;

    services.dialogAnswers = {path(QStringLiteral("klang.wav"))};
    window.frame().exportWave();
    EXPECT_EQ(readFile(path(QStringLiteral("klang.wav"))), services.playedFiles[0]);
}

TEST_F(Rovad, AFrequencyTextThatIsNoNumberIsToldAndChangesNothing)
{
    const QString exported = fileWith(QStringLiteral("alt.wav"), QByteArray("old bytes"));
    services.messageAnswer = platform::MessageResult::Yes;
    for (const char *text : {"-", "abc", "1a", "1,2,"}) {
        SCOPED_TRACE(text);
        services.messages.clear();
        services.dialogs.clear();
        panel.VScroll1[0]->setValue(40);
        panel.Text16->setText(QString::fromLatin1(text));
        EXPECT_TRUE(services.messages.isEmpty());

        panel.Command2->click();
        services.dialogAnswers = {exported};
        window.frame().exportWave();

        // play and export are refused alike, before any dialog
        ASSERT_EQ(services.messages.size(), 2);
        for (const platform::MessageBoxRequest &message : services.messages) {
            EXPECT_EQ(message.text, QStringLiteral("Die Grundfrequenz „%1“ ist keine Zahl.").arg(QString::fromLatin1(text)));
            EXPECT_EQ(message.icon, platform::MessageIcon::Exclamation);
        }
        EXPECT_TRUE(services.dialogs.isEmpty());
        EXPECT_TRUE(services.mciWrites.isEmpty());
        EXPECT_TRUE(services.playedFiles.isEmpty());
        EXPECT_EQ(readFile(exported), QByteArray("old bytes"));
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
        EXPECT_EQ(panel.Text16->text(), QString::fromLatin1(text));
    }
}

// Typing shows no message; emptied, the box reads "0" and play gives silence.
TEST_F(Rovad, TypingIntoTheFrequencyBox)
{
    window.show();
    panel.VScroll1[0]->setValue(100);
    panel.Text16->setFocus();
    panel.Text16->selectAll();
    QTest::keyClicks(panel.Text16, QStringLiteral("-12345"));
    EXPECT_EQ(panel.Text16->text(), "-123");
    EXPECT_TRUE(services.messages.isEmpty());

    QTest::keyClick(panel.Text16, Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(panel.Text16, Qt::Key_Backspace);
    EXPECT_EQ(panel.Text16->text(), "0");

    panel.Command2->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    const std::vector<std::int16_t> values = samples(services.playedFiles[0], 44);
    EXPECT_EQ(values.size(), 3u * 88200);
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](std::int16_t v) { return v == 0; }));
}

TEST_F(Rovad, SaveWritesAmplitudesTextWithItsLengthAndDuration)
{
    panel.VScroll1[0]->setValue(100);
    EXPECT_EQ(saved(), hex("64 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                           "03 00 31 30 30 03 00"));
}

TEST_F(Rovad, TheTextIsSavedOneBytePerCharacterInLatin1)
{
    const struct {
        const char *name;
        QString text;
        QByteArray bytes;
    } rows[] = {
        {"umlaut", QStringLiteral("ä1"), hex("02 00 E4 31")},
        {"euro sign outside Latin-1", QStringLiteral("€5"), hex("02 00 3F 35")},
        {"a character of two UTF-16 units", QStringLiteral("1\U0001F600"), hex("02 00 31 3F")},
    };
    panel.HScroll1->setValue(9);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        panel.Text16->setText(row.text);
        EXPECT_EQ(saved().mid(30), row.bytes + hex("09 00"));
        QFile::remove(path(QStringLiteral("klang.set")));
    }
}

// The fields go to their controls in the order amplitudes, duration, text; the first one a
// control refuses stops the load with the frame's message, and the dialog comes back. Texts of
// every kind and refusals in any field are the random records' part.
TEST_F(Rovad, LoadAppliesAmplitudesThenDurationThenText)
{
    const struct {
        const char *name;
        QByteArray file;
        KlangAmplitudes amplitudes;
        int duration;
        QString text;
        bool message;
    } rows[] = {
        {"a valid record", record(filled(30), "440", 7), filled(30), 7, "440", false},
        {"a duration of 11: amplitudes applied, text not", record(filled(30), "440", 11), filled(30), 4, "250", true},
        {"a wave file: 'RI' is refused at once", QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16), filled(5), 4, "250", true},
        {"an empty file: amplitudes 0, duration 0 refused", {}, filled(0), 4, "250", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        rovad::Form1 fresh;
        for (platform::ScrollBar *slider : fresh.panel->VScroll1)
            slider->setValue(5);
        fresh.panel->HScroll1->setValue(4);
        fresh.panel->Text16->setText(QStringLiteral("250"));
        load(fresh, row.file);
        EXPECT_EQ(fresh.panel->Amplitudes, row.amplitudes);
        for (std::size_t i = 0; i < 15; ++i)
            ASSERT_EQ(fresh.panel->Text1[i]->text(), QString::number(row.amplitudes[i]));
        EXPECT_EQ(fresh.panel->HScroll1->value(), row.duration);
        EXPECT_EQ(fresh.panel->Text17->text(), QString::number(row.duration));
        EXPECT_EQ(fresh.panel->Text16->text(), row.text);
        ASSERT_EQ(services.messages.size(), row.message ? 1 : 0);
        if (row.message) {
            EXPECT_EQ(services.messages[0].text, "Datei enthält keine gültigen Einstellungen!");
        }
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
    }
}

// Random, truncated and overlong records with texts of any length: the fields before the first
// refused one hold the file's values, the others keep theirs, and the text comes last.
TEST_F(Rovad, EveryRecordIsAppliedWholeOrReported)
{
    std::mt19937 random(4104);
    auto near = [&](int lowest, int highest) {
        return random() % 40 == 0 ? int(std::int16_t(random()))
                                  : std::uniform_int_distribution<int>(lowest - 1, highest + 1)(random);
    };
    std::vector<platform::ScrollBar *> sliders(panel.VScroll1.begin(), panel.VScroll1.end());
    sliders.push_back(panel.HScroll1);
    auto values = [&] {
        std::vector<int> now;
        for (const platform::ScrollBar *slider : sliders)
            now.push_back(slider->value());
        return now;
    };
    int outcomes[2] = {0, 0};
    for (int round = 0; round < 300; ++round) {
        KlangAmplitudes amplitudes;
        for (std::int16_t &a : amplitudes)
            a = std::int16_t(near(0, 100));
        QByteArray text;
        const int length = random() % 10 == 0 ? int(random() % 300) : int(random() % 7);
        for (int i = 0; i < length; ++i)
            text.append(char(random() % 3 == 0 ? random() : '0' + random() % 10));
        // now and then a length that runs past the end of the file
        const int declared = round % 7 == 0 ? length + int(random() % 50) : length;
        QByteArray bytes = record(amplitudes, text, std::int16_t(near(2, 10)), declared);
        if (round % 5 == 0)
            bytes.truncate(int(random() % bytes.size()));
        else if (round % 5 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));

        std::vector<int> expected = values();
        const QString textBefore = panel.Text16->text();
        load(window, bytes);

        demos::SettingsReader file(bytes);
        std::vector<int> read;
        for (int i = 0; i < 15; ++i)
            read.push_back(file.int16());
        const QByteArray readText = file.bytes(file.uint16());
        read.push_back(file.int16());
        bool refused = false;
        for (std::size_t i = 0; i < 16 && !refused; ++i) {
            refused = read[i] < (i < 15 ? 0 : 2) || read[i] > (i < 15 ? 100 : 10);
            if (!refused)
                expected[i] = read[i];
        }
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(services.messages.size(), refused ? 1 : 0);
        ASSERT_EQ(values(), expected);
        const QString shown = QString::fromLatin1(readText).left(4);
        ASSERT_EQ(panel.Text16->text(), refused ? textBefore : shown.isEmpty() ? QStringLiteral("0") : shown);
        outcomes[refused] += 1;
    }
    EXPECT_GT(outcomes[0], 30);
    EXPECT_GT(outcomes[1], 30);
}

// The panel at its design size with both plots drawn when made; the picture is for the eye.
TEST(RovadWindow, ShowsThePanelWithBothPlots)
{
    rovad::Form1 window;
    rovad::KlangPanel &panel = *window.panel;
    EXPECT_EQ(panel.size(), QSize(659, 504));
    EXPECT_EQ(panel.Ausgabe1->innerSize(), QSize(W, H));
    EXPECT_EQ(panel.Ausgabe2->innerSize(), QSize(W, H));
    EXPECT_FALSE(panel.Ausgabe1->surface().primitives().isEmpty());
    EXPECT_EQ(panel.Ausgabe2->surface().primitives().size(), 2 + 15 * 2);
    EXPECT_EQ(panel.Label1to15[2]->text(), "3  f0");
    EXPECT_EQ(panel.Label1to15[6]->text(), " 7 f0");
    EXPECT_EQ(panel.Label1to15[14]->text(), "15 f0");
    // the captions before the frequency box and the duration bar keep their layout's width
    EXPECT_EQ(panel.Label16->width(), 137);
    EXPECT_LE(panel.Label16->sizeHint().width(), 137);
    EXPECT_LE(panel.Label17->sizeHint().width(), panel.Label17->width());

    const int amplitudes[15] = {100, 0, 33, 0, 20, 0, 14, 0, 11, 0, 9, 0, 8, 0, 7};
    for (std::size_t j = 0; j < 15; ++j)
        panel.VScroll1[j]->setValue(amplitudes[j]);
    const QImage shot = shotOf(window, QStringLiteral("rovad.png"));
    EXPECT_GT(pixelsIn(shot, panel.Ausgabe1, &window, PlotColor), 300);
    EXPECT_GT(pixelsIn(shot, panel.Ausgabe2, &window, PlotColor), 300);
}
