#include "ModulationTesting.h"

#include "demos/RandomRecords.h"
#include "demos/zanter/Form1.h"

#include "support/Screenshot.h"

#include <QLabel>

using namespace demo_tests;
using namespace testing_support;

using Zanter = ModulationWindow<zanter::Form1>;

// The picture is for a look by eye.
TEST_F(Zanter, StartsWithCurvesSentenceAndDeviationShown)
{
    window.show();
    const QImage image = window.grab().toImage();
    saveScreenshot(image, QStringLiteral("zanter.png"));
    const QRect plot(window.Ausgabe->mapTo(&window, QPoint(0, 0)), window.Ausgabe->size());
    const QRect readOut(window.LBL5->mapTo(&window, QPoint(0, 0)), window.LBL5->size());
    EXPECT_GT(pixelsOf(image, plot, QColor(0, 0, 255)), 400);
    EXPECT_GT(pixelsOf(image, plot, QColor(255, 0, 0)), 300);
    EXPECT_GT(pixelsOf(image, readOut, QColor(0, 0, 0)), readOut.width() * readOut.height() / 2);
    // the Δ of the formula is drawn, between "Frequenzänderung von" and "f = Amod *fg"
    EXPECT_GT(testing_support::darkPixelsOf(image, testing_support::placeIn(*window.Label9, window)), 8) << "Δ";

    QStringList sentence;
    for (QLabel *label : window.sentence()) {
        EXPECT_FALSE(label->isHidden());
        sentence << label->text();
    }
    EXPECT_EQ(sentence.join(QLatin1Char('|')),
              QStringLiteral("Die  Amplitude der modulierenden Schwingung verusacht eine maximale|Frequenzänderung von  |"
                             "Δ|f = Amod *fg  =|250,00|Hz|Die Modulationsfrequenz fmod =|1| [Hz], bestimmt die Anzahl der "
                             "|der periodischen Frequenzänderungen pro Sekunde um die Grundtonhöhe der|Frequenz fg =|500|Hz"));
    EXPECT_FALSE(window.Ausgabe1->isHidden());
    EXPECT_EQ(window.LBL2->text(), "0,5");
    // Δ keeps its 135 twips; read-outs green on black, the sentence's values red
    EXPECT_EQ(window.Label9->width(), 9);
    EXPECT_EQ(window.LBL3->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(window.LBL3->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(window.LBL13->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(Zanter, SlidersUpdateTheirReadOutsAndThePlot)
{
    expectSliders<QLabel>({
        {"Amod 1.0 doubles the deviation", window.VScroll2, 10, window.LBL13, "500,00", true},
        {"fg shows in the frame", window.VScroll3, 1000, window.LBL3, "1000", true},
        {"fg shows in the sentence", window.VScroll3, 1000, window.LBL16, "1000", true},
        {"Amod 0.3 shows as a decimal", window.VScroll2, 3, window.LBL2, "0,3", true},
        {"fg 455 at Amod 0.3", window.VScroll3, 455, window.LBL13, "136,50", true},
        {"fmod in the frame", window.VScroll4, 20, window.LBL4, "20", true},
        {"fmod in the sentence", window.VScroll4, 7, window.LBL15, "7", true},
        {"loudness changes its read-out only", window.HScroll2, 10, window.LBL1, "10", false},
        {"duration changes its read-out only", window.HScroll1, 1, window.LBL5, "1", false},
    });
}

TEST_F(Zanter, PlaysWithoutOpeningTheDeviceAndClosesItWithTheWindow)
{
    expectPlayExportAndClose({"FileName=" + platform::soundFilePath(), "Flag1=false", "Flag2=true", "Command=Sound"},
                             {285, 569, 853, 1136}, {"Command=Close"});
}

// Loads assign duration, loudness, depth, carrier and rate in turn up to the first refused one;
// Koliva's files load only with depth ≥ 1, carrier ≥ 400 and rate ≥ 1.
TEST_F(Zanter, SavesAndLoadsTheTenByteRecord)
{
    expectRecords(hex("03 00 05 00 05 00 F4 01 01 00"),
                  {
                      {"a valid record", hex("0A 00 01 00 0A 00 E8 03 14 00"), false, {10, 1, 10, 1000, 20}},
                      {"fg 300 is refused after three", hex("02 00 07 00 08 00 2C 01 05 00"), true, {2, 7, 8, 500, 1}},
                      {"a wave file: 'RI' is refused first", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), true, {3, 5, 5, 500, 1}},
                      {"a short file: fmod reads 0", hex("04 00 04 00 04 00 90 01"), true, {4, 4, 4, 400, 1}},
                      {"Koliva's start setting: depth 0", hex("03 00 05 00 00 00 F4 01 00 00"), true, {3, 5, 5, 500, 1}},
                      {"Koliva's fmod 0, refused last", hex("02 00 06 00 04 00 58 02 00 00"), true, {2, 6, 4, 600, 1}},
                      {"a Koliva file Zanter takes", hex("0A 00 0A 00 0A 00 E8 03 0A 00"), false, {10, 10, 10, 1000, 10}},
                  });
}

TEST_F(Zanter, EveryFileIsAppliedWholeOrReported)
{
    const SliderField fields[] = {{window.HScroll1, 1, 10}, {window.HScroll2, 1, 10}, {window.VScroll2, 1, 10},
                                  {window.VScroll3, 400, 1000}, {window.VScroll4, 1, 20}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 4107);
}
