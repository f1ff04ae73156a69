#include "../DemoFixture.h"

#include "demos/vevuzevu/CSpektrum.h"
#include "demos/vevuzevu/ModSpektrum.h"
#include "demos/frame/SettingsRecord.h"

#include "common/SampleChunkBuilder.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <random>

using namespace demo_tests;
using namespace testing_support;
using vevuzevu::SpektrumAmplitudes;

namespace {

class Vevuzevu : public DemoFixture {
protected:
    vevuzevu::CSpektrum window;
};

std::vector<std::int16_t> firstFrames(const SpektrumAmplitudes &amplitudes, float frequency, int frames)
{
    SampleChunks chunks;
    vevuzevu::ModSpektrum::SynthesizeSpektrum(frequency, amplitudes, frames, chunks);
    std::vector<std::int16_t> left;
    const std::vector<std::int16_t> values = samples(chunks[0]);
    for (std::size_t i = 0; i < values.size(); i += 2) {
        EXPECT_EQ(values[i], values[i + 1]);
        left.push_back(values[i]);
    }
    return left;
}

} // namespace

TEST(ModSpektrum, EachHarmonicIsRoundedIntoTheRunningValue)
{
    const struct {
        const char *name;
        SpektrumAmplitudes amplitudes;
        std::vector<std::int16_t> frames;
    } rows[] = {
        {"harmonic 1 alone", {100, 0, 0, 0}, {61, 121, 182}},
        {"all four at 100 %", {100, 100, 100, 100}, {606, 1206, 1798, 2375}},
        {"silence", {0, 0, 0, 0}, {0, 0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firstFrames(row.amplitudes, 200.0f, int(row.frames.size())), row.frames);
    }
}

// Rounding the sum once differs in some frames; the generator must agree with the rounding
// after each harmonic in every one.
TEST(ModSpektrum, AgreesWithRoundingAfterEachHarmonicNotOnce)
{
    const SpektrumAmplitudes amplitudes{37, 81, 13, 59};
    const std::vector<std::int16_t> frames = firstFrames(amplitudes, 430.0f, 15000);
    const double omega = SampleMath::Omega(430.0f);
    int differ = 0;
    for (int n = 1; n <= 15000; ++n) {
        double stepwise = 0;
        double once = 0;
        for (int j = 0; j < 4; ++j) {
            const double term = amplitudes[std::size_t(j)] / 100.0 * 2130.0 * std::sin(omega * n * (j + 1));
            stepwise = std::nearbyint(term + stepwise);
            once += term;
        }
        ASSERT_EQ(frames[std::size_t(n - 1)], stepwise) << "frame " << n;
        differ += std::nearbyint(once) != stepwise;
    }
    EXPECT_GT(differ, 100);
}

TEST_F(Vevuzevu, StartsWithTheDesignValues)
{
    EXPECT_EQ(window.windowTitle(), "Vevuzevu");
    for (platform::TextBox *box : window.Text1)
        EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(window.Text6->text(), "200");
    EXPECT_EQ(window.Text7->text(), "3");
    EXPECT_EQ(window.Amplitudes, (SpektrumAmplitudes{0, 0, 0, 0}));
    EXPECT_EQ(window.Label4->text(), "  f        2 f      3 f      4 f  ");
    for (QLabel *label : window.Label7to10)
        EXPECT_FALSE(label->isHidden());
}

TEST_F(Vevuzevu, SlidersUpdateTheirReadOutsAndAmplitudes)
{
    window.VScroll1[2]->userAction(QAbstractSlider::SliderSingleStepSub);  // the top arrow raises
    EXPECT_EQ(window.Text1[2]->text(), "1");
    window.VScroll1[0]->setValue(100);
    EXPECT_EQ(window.Amplitudes, (SpektrumAmplitudes{100, 0, 1, 0}));
    EXPECT_EQ(window.Text1[0]->text(), "100");

    const auto before = window.AZeit->surface().primitives().size();
    window.HScroll1->userAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window.Text6->text(), "300");
    window.HScroll2->userAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window.Text7->text(), "5");
    // the frequency does not redraw: the primitives are still those of the last amplitude change
    EXPECT_EQ(window.AZeit->surface().primitives().size(), before);
}

TEST_F(Vevuzevu, PlayWritesTheToneAndClosesOnlyWhenTheWindowGoes)
{
    const QString soundFile = platform::soundFilePath();
    window.VScroll1[0]->setValue(100);
    window.HScroll2->setValue(10);
    window.Command1->click();

    EXPECT_EQ(services.mciLog(),
              (QStringList{"FileName=" + soundFile, "Flag1=false", "Flag2=true", "Command=Sound"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    // 441000 frames: 29 full chunks and one of 24000 bytes, all declared
    ASSERT_EQ(wave.size(), 44 + 1764000);
    EXPECT_EQ(u32At(wave, 40), 1764000u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    EXPECT_EQ(values[2], 121);  // frame 2, left
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 2130);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_EQ(services.pointerChanges,
              (QList<platform::MousePointer>{platform::MousePointer::Hourglass, platform::MousePointer::Default}));

    window.Command2->click();
    EXPECT_EQ(services.mciCommands().last(), "Close");
}

TEST_F(Vevuzevu, ExportHoldsThePlayedBytes)
{
    window.VScroll1[1]->setValue(40);
    window.HScroll2->setValue(1);
    window.Command1->click();
    services.dialogAnswers = {path(QStringLiteral("klang.wav"))};
    window.frame().exportWave();
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(readFile(path(QStringLiteral("klang.wav"))), services.playedFiles[0]);
}

TEST_F(Vevuzevu, SaveWritesTheTwelveByteRecord)
{
    window.VScroll1[0]->setValue(100);
    window.VScroll1[1]->setValue(50);
    window.VScroll1[2]->setValue(25);
    window.HScroll1->setValue(1000);
    window.HScroll2->setValue(10);
    services.dialogAnswers = {path(QStringLiteral("spektrum.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("spektrum.set"))), hex("64 00 32 00 19 00 00 00 E8 03 0A 00"));
}

TEST_F(Vevuzevu, LoadAppliesFieldsInOrderUntilOneIsRefused)
{
    const struct {
        const char *name;
        QByteArray file;
        SpektrumAmplitudes amplitudes;
        int frequency, duration;
        bool message;
    } rows[] = {
        {"a valid record", hex("0A 00 14 00 1E 00 28 00 90 01 07 00"), {10, 20, 30, 40}, 400, 7, false},
        {"second amplitude 150: the first stays applied", hex("50 00 96 00 00 00 00 00 C8 00 03 00"), {80, 5, 5, 5}, 200, 3, true},
        {"a wave file: 'RI' is refused at once", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), {5, 5, 5, 5}, 200, 3, true},
        {"empty file: amplitudes take 0, the frequency refuses it", {}, {0, 0, 0, 0}, 200, 3, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        vevuzevu::CSpektrum fresh;
        for (platform::ScrollBar *slider : fresh.VScroll1)
            slider->setValue(5);
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};

        fresh.frame().loadSettings();

        EXPECT_EQ(fresh.Amplitudes, row.amplitudes);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(fresh.Text1[i]->text(), QString::number(row.amplitudes[i]));
        EXPECT_EQ(fresh.HScroll1->value(), row.frequency);
        EXPECT_EQ(fresh.HScroll2->value(), row.duration);
        EXPECT_EQ(services.messages.size(), row.message ? 1 : 0);
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
    }
}

// Random, truncated and overlong files: every field before the first refused one holds the
// file's value, the rest keep theirs, and a refusal shows the one message.
TEST_F(Vevuzevu, EveryFileIsAppliedWholeOrReported)
{
    std::vector<platform::ScrollBar *> sliders(window.VScroll1.begin(), window.VScroll1.end());
    sliders.push_back(window.HScroll1);
    sliders.push_back(window.HScroll2);
    const int lowest[6] = {0, 0, 0, 0, 50, 1};
    const int highest[6] = {100, 100, 100, 100, 1000, 10};
    std::mt19937 random(4102);
    const QString file = path(QStringLiteral("zufall.set"));
    int applied = 0;
    int reported = 0;
    for (int round = 0; round < 400; ++round) {
        demos::SettingsWriter writer;
        for (int i = 0; i < 6; ++i)
            writer.int16(std::int16_t(random() % 8 == 0 ? int(random())
                                                       : std::uniform_int_distribution<int>(lowest[i] - 1,
                                                                                            highest[i] + 1)(random)));
        QByteArray bytes = writer.record();
        if (round % 3 == 0)
            bytes.truncate(int(random() % 13));
        else if (round % 3 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));
        fileWith(QStringLiteral("zufall.set"), bytes);

        std::vector<int> before;
        for (platform::ScrollBar *slider : sliders)
            before.push_back(slider->value());
        services.messages.clear();
        services.dialogAnswers = {file};
        window.frame().loadSettings();

        demos::SettingsReader expected(bytes);
        int firstRefused = 6;
        std::vector<int> values;
        for (int i = 0; i < 6; ++i) {
            values.push_back(expected.int16());
            if (firstRefused == 6 && (values.back() < lowest[i] || values.back() > highest[i]))
                firstRefused = i;
        }
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(services.messages.size(), firstRefused == 6 ? 0 : 1);
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(sliders[std::size_t(i)]->value(), i < firstRefused ? values[std::size_t(i)] : before[std::size_t(i)]);
        for (std::size_t i = 0; i < 4; ++i)
            ASSERT_EQ(window.Amplitudes[i], window.VScroll1[i]->value());
        (firstRefused == 6 ? applied : reported) += 1;
    }
    EXPECT_GT(applied, 30);
    EXPECT_GT(reported, 30);
}
