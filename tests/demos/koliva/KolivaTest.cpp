#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/koliva/Eingabe.h"
#include "demos/koliva/ModAmp.h"
#include "demos/zanter/Form1.h"

#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace demo_tests;
using namespace testing_support;

namespace {

class Koliva : public DemoFixture {
protected:
    const platform::DrawingSurface &plot() const { return window.Ausgabe->surface(); }
    void forgetPlot() { window.Ausgabe->surface().clear(); }

    koliva::Eingabe window;
};

} // namespace

TEST(ModAmp, SamplesOfTheAmplitudeModulatedTone)
{
    const struct {
        const char *name;
        float L, M, fc, fmod;
        std::int32_t frames;
        std::vector<std::int16_t> firstLeft;
        int peak;  // -1: only the bound applies
    } rows[] = {
        {"start setting: a steady 500 Hz carrier", 5, 0, 500, 0, 132300, {569, 1136, 1697, 2249}, 8000},
        {"full depth at 10 Hz, loudest: within the bound, never at it", 10, 10, 500, 10, 44100, {}, 31975},
        {"no modulating frequency: the plain carrier", 5, 5, 500, 0, 44100, {569, 1136, 1697, 2249}, 8000},
        {"no depth at 10 Hz: the plain carrier", 5, 0, 1000, 10, 44100, {}, 8000},
        {"half depth at 3 Hz", 7, 5, 100, 3, 44100, {}, -1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        ModAmp::SynthesizeAM(row.L, row.M, row.fc, row.fmod, row.frames, chunks);
        const std::vector<std::int16_t> values = samples(joined(chunks));
        ASSERT_EQ(values.size(), std::size_t(row.frames) * 2);
        for (std::size_t i = 0; i < values.size(); i += 2)
            ASSERT_EQ(values[i], values[i + 1]) << "frame " << i / 2 + 1;
        for (std::size_t i = 0; i < row.firstLeft.size(); ++i)
            EXPECT_EQ(values[2 * i], row.firstLeft[i]) << "frame " << i + 1;
        const int loudest = peak(values);
        EXPECT_LE(loudest, 32000);
        EXPECT_LE(loudest, int(row.L * 1600 * (1 + row.M / 10)));
        if (row.peak >= 0) {
            EXPECT_EQ(loudest, row.peak);
        }
    }
}

TEST(ModAmp, FullDepthFallsToSilenceTenTimesASecond)
{
    SampleChunks chunks;
    ModAmp::SynthesizeAM(10, 10, 500, 10, 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    // the envelope (sin(ωm·n) + 1) is 0 at n = 3307,5 + k·4410: quiet there, loud half-way
    for (int k = 0; k < 10; ++k) {
        const int quiet = 3308 + 4410 * k;
        const int loud = quiet - 2205;
        int quietPeak = 0;
        int loudPeak = 0;
        for (int n = -44; n <= 44; ++n) {
            quietPeak = std::max(quietPeak, std::abs(int(values[std::size_t(2 * (quiet + n - 1))])));
            loudPeak = std::max(loudPeak, std::abs(int(values[std::size_t(2 * (loud + n - 1))])));
        }
        EXPECT_LT(quietPeak, 50) << k;
        EXPECT_GT(loudPeak, 31000) << k;
    }
}

TEST_F(Koliva, StartsWithItsReadOutsAndTheEnvelope)
{
    EXPECT_EQ(window.windowTitle(), "Amplitudenmodulation");
    const struct {
        platform::TextBox *box;
        const char *text;
        const char *tip;
    } rows[] = {
        {window.Text3, "500", "Anzeige der Grundfrequenz"},
        {window.Text2, "0", "Amplitude der modulierenden Schwingung ( 0-10)"},
        {window.Text4, "0", "Modulationsfrequenz (0-10 Hz)"},
        {window.Text1, "5", "Gesamtlautstärke"},
        {window.Text5, "3", "Dauer des Hörbeispiels"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.box->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(row.box->toolTip(), QString::fromUtf8(row.tip));
        EXPECT_TRUE(row.box->isReadOnly());
        EXPECT_EQ(row.box->palette().color(QPalette::Text), QColor(0, 255, 0));
        EXPECT_EQ(row.box->palette().color(QPalette::Base), QColor(0, 0, 0));
    }
    EXPECT_EQ(window.Ausgabe->toolTip(), "Darstellung der Einhüllenden ");
    EXPECT_FALSE(plot().primitives().isEmpty());
    EXPECT_TRUE(window.Command1->isDefault());
}

TEST_F(Koliva, SlidersUpdateTheirReadOutsAndTheEnvelope)
{
    const struct {
        const char *name;
        platform::ScrollBar *slider;
        int value;
        platform::TextBox *readOut;
        const char *text;
        bool redraws;
    } rows[] = {
        {"full depth shows 10, not 1", window.VScroll2, 10, window.Text2, "10", true},
        {"carrier 100 Hz", window.VScroll3, 100, window.Text3, "100", true},
        {"modulating frequency", window.VScroll4, 10, window.Text4, "10", true},
        {"loudness changes its read-out only", window.HScroll2, 1, window.Text1, "1", false},
        {"duration changes its read-out only", window.HScroll1, 10, window.Text5, "10", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        forgetPlot();
        row.slider->setValue(row.value);
        EXPECT_EQ(row.readOut->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(!plot().primitives().isEmpty(), row.redraws);
    }
}

TEST_F(Koliva, PlayRedrawsThenOpensPlaysAndClosesTheDevice)
{
    const QString soundFile = platform::soundFilePath();
    forgetPlot();
    window.Command2->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"DeviceType=WaveAudio", "FileName=" + soundFile, "Flag1=false", "Flag2=true",
                                              "Command=Open", "Command=Sound", "Command=Close"}));
    EXPECT_FALSE(plot().primitives().isEmpty());
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 529200);
    EXPECT_EQ(u32At(wave, 40), 529200u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    EXPECT_EQ(std::vector<std::int16_t>(values.begin(), values.begin() + 4), (std::vector<std::int16_t>{569, 569, 1136, 1136}));
    EXPECT_EQ(peak(values), 8000);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_EQ(services.pointerChanges.last(), platform::MousePointer::Default);

    // nothing goes to the device when the window goes
    const int writes = int(services.mciWrites.size());
    window.close();
    EXPECT_EQ(services.mciWrites.size(), writes);
}

TEST_F(Koliva, ExportWritesThePlayedBytesWithoutDrawing)
{
    window.VScroll2->setValue(6);
    window.VScroll4->setValue(4);
    window.HScroll1->setValue(1);
    window.Command2->click();
    const int writes = int(services.mciWrites.size());
    forgetPlot();
    services.dialogAnswers = {path(QStringLiteral("am.wav"))};
    window.frame().exportWave();

    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(readFile(path(QStringLiteral("am.wav"))), services.playedFiles[0]);
    EXPECT_TRUE(plot().primitives().isEmpty());
    EXPECT_EQ(services.mciWrites.size(), writes);
}

TEST_F(Koliva, SaveWritesZantersLayout)
{
    services.dialogAnswers = {path(QStringLiteral("start.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("start.set"))), hex("03 00 05 00 00 00 F4 01 00 00"));
}

TEST_F(Koliva, ReturnPressesBeendenUnlessAnotherButtonHasTheFocus)
{
    window.show();
    window.Command2->setFocus();
    QTest::keyClick(window.Command2, Qt::Key_Return);
    EXPECT_TRUE(services.mciLog().contains("Command=Sound"));
    EXPECT_TRUE(window.isVisible());

    window.VScroll3->bar()->setFocus();
    QTest::keyClick(window.VScroll3->bar(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
}

// Each program's file in the other, as the record is one: Zanter's loads into Koliva when its
// fmod is at most 10; Koliva's into Zanter only with m × 10 ≥ 1, fc ≥ 400 and fmod ≥ 1.
TEST_F(Koliva, SettingsFilesCrossBetweenZanterAndKoliva)
{
    const struct {
        const char *name;
        bool intoKoliva;
        QByteArray file;
        bool message;
        std::vector<int> values;  // HScroll1, HScroll2, VScroll2, VScroll3, VScroll4 afterwards
    } rows[] = {
        {"Zanter's start setting into Koliva", true, hex("03 00 05 00 05 00 F4 01 01 00"), false, {3, 5, 5, 500, 1}},
        {"Zanter's fmod 20 is refused by Koliva, last", true, hex("07 00 02 00 0A 00 E8 03 14 00"), true, {7, 2, 10, 1000, 0}},
        {"Koliva's start setting: Zanter refuses m 0", false, hex("03 00 05 00 00 00 F4 01 00 00"), true, {3, 5, 5, 500, 1}},
        {"Koliva's fc 300: Zanter refuses it", false, hex("02 00 05 00 04 00 2C 01 02 00"), true, {2, 5, 4, 500, 1}},
        {"Koliva's fmod 0: Zanter refuses it, last", false, hex("02 00 06 00 04 00 58 02 00 00"), true, {2, 6, 4, 600, 1}},
        {"a Koliva file Zanter takes", false, hex("0A 00 0A 00 0A 00 E8 03 0A 00"), false, {10, 10, 10, 1000, 10}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        koliva::Eingabe kolivaWindow;
        zanter::Form1 zanterWindow;
        services.messages.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("quer.set"), row.file)};
        std::vector<int> values;
        if (row.intoKoliva) {
            kolivaWindow.frame().loadSettings();
            for (auto *s : {kolivaWindow.HScroll1, kolivaWindow.HScroll2, kolivaWindow.VScroll2, kolivaWindow.VScroll3,
                            kolivaWindow.VScroll4})
                values.push_back(s->value());
        } else {
            zanterWindow.frame().loadSettings();
            for (auto *s : {zanterWindow.HScroll1, zanterWindow.HScroll2, zanterWindow.VScroll2, zanterWindow.VScroll3,
                            zanterWindow.VScroll4})
                values.push_back(s->value());
        }
        EXPECT_EQ(services.messages.size(), row.message ? 1 : 0);
        EXPECT_EQ(values, row.values);
    }
}

TEST_F(Koliva, EveryFileIsAppliedWholeOrReported)
{
    const SliderField fields[] = {{window.HScroll1, 1, 10}, {window.HScroll2, 1, 10}, {window.VScroll2, 0, 10},
                                  {window.VScroll3, 100, 1000}, {window.VScroll4, 0, 10}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 4108);
}
