#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/zanter/Form1.h"
#include "demos/zanter/ModFreq.h"

#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace demo_tests;
using namespace testing_support;

namespace {

class Zanter : public DemoFixture {
protected:
    const platform::DrawingSurface &plot() const { return window.Ausgabe->surface(); }
    // forgets the picture, so that the next drawing shows
    void forgetPlot() { window.Ausgabe->surface().clear(); }

    zanter::Form1 window;
};

} // namespace

TEST(ModFreq, SamplesOfTheFrequencyModulatedTone)
{
    const struct {
        const char *name;
        float L, fg, A, fmod;
        std::int32_t frames;
        std::vector<std::int16_t> firstLeft;  // frames 1 to 4
        int peakAtLeast;
    } rows[] = {
        {"start setting: the pitch glides from 250 Hz up", 5, 500, 5, 1, 132300, {285, 569, 853, 1136}, 7999},
        {"loudest, deepest, fastest", 10, 1000, 10, 20, 44100, {}, 15999},
        {"shallowest and slowest, at 400 Hz", 1, 400, 1, 1, 44100, {}, 1599},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        ModFreq::SynthesizeFM(row.L, row.fg, row.A, row.fmod, row.frames, chunks);
        const std::vector<std::int16_t> values = samples(joined(chunks));
        ASSERT_EQ(values.size(), std::size_t(row.frames) * 2);
        for (std::size_t i = 0; i < row.firstLeft.size(); ++i) {
            EXPECT_EQ(values[2 * i], row.firstLeft[i]) << "frame " << i + 1;
            EXPECT_EQ(values[2 * i + 1], row.firstLeft[i]) << "frame " << i + 1;
        }
        const int loudest = peak(values);
        EXPECT_GE(loudest, row.peakAtLeast);
        EXPECT_LE(loudest, int(row.L * 1600));
    }
}

TEST(ModFreq, PitchSwingsBetweenCarrierMinusAndPlusTheDeviation)
{
    // at fmod 1 the first half second falls from fg + Δf... measured by zero crossings per window
    SampleChunks chunks;
    ModFreq::SynthesizeFM(5, 500, 5, 1, 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    auto crossingsAround = [&](int centreFrame) {
        int count = 0;
        for (int n = centreFrame - 2205; n < centreFrame + 2205; ++n)
            count += (values[std::size_t(2 * n)] < 0) != (values[std::size_t(2 * n + 2)] < 0);
        return count;
    };
    // instantaneous frequency fg − Δf·cos(2π fmod t): 250 Hz at t = 0 and 1 s, 750 Hz at 0,5 s,
    // 500 Hz at 0,25 s; a tenth of a second holds two crossings per period
    EXPECT_NEAR(crossingsAround(22050), 150, 3);
    EXPECT_NEAR(crossingsAround(11025), 100, 3);
    EXPECT_NEAR(crossingsAround(2205), 50, 3);
}

TEST_F(Zanter, StartsWithItsReadOutsAndTheSentenceShown)
{
    EXPECT_EQ(window.windowTitle(), "Frequenzmodulation");
    const struct {
        QLabel *label;
        const char *text;
    } rows[] = {
        {window.LBL3, "500"}, {window.LBL2, "0,5"}, {window.LBL4, "1"}, {window.LBL1, "5"}, {window.LBL5, "3"},
        {window.LBL13, "250,00"}, {window.LBL15, "1"}, {window.LBL16, "500"},
        {window.Label6, "Die  Amplitude der modulierenden Schwingung verusacht eine maximale"},
        {window.Label7, "Frequenzänderung von  "}, {window.Label9, "Δ"}, {window.Label12, "f = Amod *fg  ="},
        {window.Label17, " [Hz], bestimmt die Anzahl der "},
        {window.Label18, "der periodischen Frequenzänderungen pro Sekunde um die Grundtonhöhe der"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.label->text(), QString::fromUtf8(row.text));
    EXPECT_FALSE(window.Ausgabe1->isHidden());
    for (QLabel *label : window.sentence())
        EXPECT_FALSE(label->isHidden()) << label->text().toStdString();
    // read-outs green on black, values of the sentence red
    EXPECT_EQ(window.LBL3->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(window.LBL3->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(window.LBL13->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Δ keeps its 135 twips
    EXPECT_EQ(window.Label9->width(), 9);
    EXPECT_FALSE(plot().primitives().isEmpty());
}

TEST_F(Zanter, SlidersUpdateTheirReadOutsAndThePlot)
{
    const struct {
        const char *name;
        platform::ScrollBar *slider;
        int value;
        QLabel *readOut;
        const char *text;
        bool redraws;
    } rows[] = {
        {"Amod 1.0 shows 1", window.VScroll2, 10, window.LBL2, "1", true},
        {"and doubles the deviation", window.VScroll2, 10, window.LBL13, "500,00", true},
        {"fg 1000 at Amod 1.0", window.VScroll3, 1000, window.LBL13, "1000,00", true},
        {"fg shows in the frame", window.VScroll3, 1000, window.LBL3, "1000", true},
        {"fg shows in the sentence", window.VScroll3, 1000, window.LBL16, "1000", true},
        {"Amod 0.3 of 1000 Hz", window.VScroll2, 3, window.LBL13, "300,00", true},
        {"Amod 0.3 shows as a decimal", window.VScroll2, 3, window.LBL2, "0,3", true},
        {"fg 455 at Amod 0.3", window.VScroll3, 455, window.LBL13, "136,50", true},
        {"fmod in the frame", window.VScroll4, 20, window.LBL4, "20", true},
        {"fmod in the sentence", window.VScroll4, 7, window.LBL15, "7", true},
        {"loudness changes its read-out only", window.HScroll2, 10, window.LBL1, "10", false},
        {"duration changes its read-out only", window.HScroll1, 1, window.LBL5, "1", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.slider->value() == row.value)
            row.slider->setValue(row.value == row.slider->min() ? row.slider->max() : row.slider->min());
        forgetPlot();
        row.slider->setValue(row.value);
        EXPECT_EQ(row.readOut->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(!plot().primitives().isEmpty(), row.redraws);
    }
}

TEST_F(Zanter, PlayRedrawsThenPlaysWithoutOpeningTheDevice)
{
    const QString soundFile = platform::soundFilePath();
    forgetPlot();
    window.Command2->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + soundFile, "Flag1=false", "Flag2=true", "Command=Sound"}));
    EXPECT_FALSE(plot().primitives().isEmpty());
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 529200);
    EXPECT_EQ(u32At(wave, 40), 529200u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    EXPECT_EQ(std::vector<std::int16_t>(values.begin(), values.begin() + 4), (std::vector<std::int16_t>{285, 285, 569, 569}));
    EXPECT_LE(peak(values), 8000);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_EQ(services.pointerChanges.first(), platform::MousePointer::Hourglass);
    EXPECT_EQ(services.pointerChanges.last(), platform::MousePointer::Default);

    // the device is closed only when the window goes
    window.close();
    EXPECT_EQ(services.mciLog().last(), "Command=Close");
}

TEST_F(Zanter, ExportWritesThePlayedBytesWithoutDrawing)
{
    window.HScroll1->setValue(1);
    window.VScroll4->setValue(20);
    window.Command2->click();
    const int commands = int(services.mciWrites.size());
    forgetPlot();
    services.dialogAnswers = {path(QStringLiteral("fm.wav"))};
    window.frame().exportWave();

    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(readFile(path(QStringLiteral("fm.wav"))), services.playedFiles[0]);
    EXPECT_TRUE(plot().primitives().isEmpty());
    EXPECT_EQ(services.mciWrites.size(), commands);
}

TEST_F(Zanter, SaveWritesTheTenByteRecord)
{
    services.dialogAnswers = {path(QStringLiteral("start.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("start.set"))), hex("03 00 05 00 05 00 F4 01 01 00"));
}

TEST_F(Zanter, LoadAssignsDurationLoudnessDepthCarrierRateInOrder)
{
    const struct {
        const char *name;
        QByteArray file;
        int s, L, A, fg, fmod;
        bool message;
    } rows[] = {
        {"a valid record", hex("0A 00 01 00 0A 00 E8 03 14 00"), 10, 1, 10, 1000, 20, false},
        {"fg 300 is refused after duration, loudness and Amod", hex("02 00 07 00 08 00 2C 01 05 00"), 2, 7, 8, 500, 1, true},
        {"Koliva's start setting: its depth 0 is refused", hex("03 00 05 00 00 00 F4 01 00 00"), 3, 5, 5, 500, 1, true},
        {"a wave file: 'RI' is refused first", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), 3, 5, 5, 500, 1, true},
        {"a short file: fmod reads 0", hex("04 00 04 00 04 00 90 01"), 4, 4, 4, 400, 1, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        zanter::Form1 fresh;
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};

        fresh.frame().loadSettings();

        EXPECT_EQ(fresh.HScroll1->value(), row.s);
        EXPECT_EQ(fresh.LBL5->text(), QString::number(row.s));
        EXPECT_EQ(fresh.HScroll2->value(), row.L);
        EXPECT_EQ(fresh.LBL1->text(), QString::number(row.L));
        EXPECT_EQ(fresh.VScroll2->value(), row.A);
        EXPECT_EQ(fresh.VScroll3->value(), row.fg);
        EXPECT_EQ(fresh.LBL16->text(), QString::number(row.fg));
        EXPECT_EQ(fresh.VScroll4->value(), row.fmod);
        EXPECT_EQ(fresh.LBL15->text(), QString::number(row.fmod));
        ASSERT_EQ(services.messages.size(), row.message ? 1 : 0);
        if (row.message) {
            EXPECT_EQ(services.messages[0].text, "Datei enthält keine gültigen Einstellungen!");
        }
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
        EXPECT_EQ(services.pointerChanges.last(), platform::MousePointer::Default);
    }
}

TEST_F(Zanter, EveryFileIsAppliedWholeOrReported)
{
    const SliderField fields[] = {{window.HScroll1, 1, 10}, {window.HScroll2, 1, 10}, {window.VScroll2, 1, 10},
                                  {window.VScroll3, 400, 1000}, {window.VScroll4, 1, 20}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 4107);
}
