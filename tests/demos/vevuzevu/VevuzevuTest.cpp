#include "platform/Twips.h"
#include "../DemoFixture.h"
#include "../LeftChannel.h"
#include "../RandomRecords.h"
#include "HarmonicTesting.h"
#include "SpektrumTesting.h"

#include "demos/vevuzevu/CSpektrum.h"
#include "demos/vevuzevu/ModSpektrum.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace demo_tests;
using namespace testing_support;
using vevuzevu::SpektrumAmplitudes;

namespace {

class Vevuzevu : public DemoFixture {
protected:
    vevuzevu::CSpektrum window;
};

} // namespace

TEST_F(Vevuzevu, SlidersUpdateTheirReadOutsAndAmplitudes)
{
    EXPECT_EQ(window.Label4->text(), "  f        2 f      3 f      4 f  ");
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

TEST_F(Vevuzevu, PlayWritesTheToneExportHoldsItAndCloseComesWithTheWindow)
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
    const std::vector<std::int16_t> left = leftChannel(wave, 44);
    EXPECT_EQ(left[1], 121);
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 2130);

    services.dialogAnswers = {path(QStringLiteral("klang.wav"))};
    window.frame().exportWave();
    EXPECT_EQ(readFile(path(QStringLiteral("klang.wav"))), wave);

    window.Command2->click();
    EXPECT_EQ(services.mciCommands().last(), "Close");
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

TEST_F(Vevuzevu, EveryFileIsAppliedWholeOrReported)
{
    const SliderField fields[] = {{window.VScroll1[0], 0, 100}, {window.VScroll1[1], 0, 100},
                                  {window.VScroll1[2], 0, 100}, {window.VScroll1[3], 0, 100},
                                  {window.HScroll1, 50, 1000},  {window.HScroll2, 1, 10}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 4102);
}

// The boxes at their design insides, drawn when the window is made; the picture is for the eye.
TEST(VevuzevuWindow, ShowsBothPlots)
{
    vevuzevu::CSpektrum window;
    EXPECT_EQ(window.AZeit->innerSize(), QSize(W, H));
    EXPECT_EQ(window.ASpektrum->innerSize(), QSize(W, H));
    EXPECT_EQ(window.AZeit->surface().primitives().size(), 2 + 4 * (W + 1) + W);
    EXPECT_EQ(window.ASpektrum->surface().primitives().size(), 2 + 4 * 3);

    const int amplitudes[4] = {100, 50, 33, 25};
    for (std::size_t j = 0; j < 4; ++j)
        window.VScroll1[j]->setValue(amplitudes[j]);
    const QImage shot = shotOf(window, QStringLiteral("vevuzevu.png"));
    EXPECT_GT(pixelsIn(shot, window.AZeit, &window, SumColor), 300);
    EXPECT_GT(pixelsIn(shot, window.ASpektrum, &window, HarmonicColors[3]), 50);

    // the window holds Text7 whole, with the 120-twip margin below, and its bottom border is drawn
    const QWidget *client = window.centralWidget();
    const QRect text7 = window.Text7->geometry();
    EXPECT_GE(client->height() - 1 - text7.bottom(), platform::twipsToPixels(120) - 1);
    const QRect bottomRow = testing_support::placeIn(*window.Text7, window).adjusted(0, text7.height() - 1, 0, 0);
    EXPECT_GT(testing_support::darkPixelsOf(shot, bottomRow, 200), text7.width() / 2) << "Text7's bottom border";
    // the caption's colon stays clear of the slider behind it
    EXPECT_LE(window.Label5->geometry().right(), window.HScroll1->geometry().left());
    EXPECT_LE(window.Label5->sizeHint().width(), window.Label5->width()) << "the caption reads whole";
}
