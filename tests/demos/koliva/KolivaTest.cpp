#include "demos/zanter/ModulationTesting.h"

#include "demos/RandomRecords.h"
#include "demos/koliva/Eingabe.h"

#include "platform/TextBox.h"
#include "support/Screenshot.h"

#include <QScrollBar>
#include <QTest>

using namespace demo_tests;
using namespace testing_support;

using Koliva = ModulationWindow<koliva::Eingabe>;

TEST_F(Koliva, SlidersUpdateTheirReadOutsAndTheEnvelope)
{
    expectSliders<platform::TextBox>({
        {"full depth shows 10, not 1", window.VScroll2, 10, window.Text2, "10", true},
        {"carrier 100 Hz", window.VScroll3, 100, window.Text3, "100", true},
        {"modulating frequency", window.VScroll4, 10, window.Text4, "10", true},
        {"loudness changes its read-out only", window.HScroll2, 1, window.Text1, "1", false},
        {"duration changes its read-out only", window.HScroll1, 10, window.Text5, "10", false},
    });
    for (const platform::TextBox *readOut : {window.Text1, window.Text2, window.Text3, window.Text4, window.Text5})
        EXPECT_TRUE(readOut->isReadOnly());
}

TEST_F(Koliva, OpensPlaysAndClosesTheDeviceEachTime)
{
    expectPlayExportAndClose({"DeviceType=WaveAudio", "FileName=" + platform::soundFilePath(), "Flag1=false",
                              "Flag2=true", "Command=Open", "Command=Sound", "Command=Close"},
                             {569, 1136, 1697, 2249}, {});
}

// Return on a slider presses "Beenden"; on another button, that one (see the default button's own test).
TEST_F(Koliva, ReturnOnASliderPressesBeenden)
{
    window.show();
    window.VScroll3->bar()->setFocus();
    QTest::keyClick(window.VScroll3->bar(), Qt::Key_Return);
    EXPECT_TRUE(services.mciLog().isEmpty());
    EXPECT_FALSE(window.isVisible());
}

// Zanter's record: its files load here with a rate of at most 10.
TEST_F(Koliva, SavesZantersLayoutAndLoadsZantersFiles)
{
    expectRecords(hex("03 00 05 00 00 00 F4 01 00 00"),
                  {
                      {"Zanter's start setting", hex("03 00 05 00 05 00 F4 01 01 00"), false, {3, 5, 5, 500, 1}},
                      {"Zanter's fmod 20 is refused, last", hex("07 00 02 00 0A 00 E8 03 14 00"), true, {7, 2, 10, 1000, 0}},
                  });
}

TEST_F(Koliva, EveryFileIsAppliedWholeOrReported)
{
    const SliderField fields[] = {{window.HScroll1, 1, 10}, {window.HScroll2, 1, 10}, {window.VScroll2, 0, 10},
                                  {window.VScroll3, 100, 1000}, {window.VScroll4, 0, 10}};
    expectEveryFileAppliedWholeOrReported(window.frame(), fields, services, path(QStringLiteral("zufall.set")), 4108);
}

TEST_F(Koliva, WindowScreenshot)
{
    window.show();
    window.VScroll2->setValue(7);
    window.VScroll4->setValue(3);
    const QImage image = window.grab().toImage();
    saveScreenshot(image, QStringLiteral("koliva.png"));
    const QRect box(window.Ausgabe->mapTo(&window, QPoint(0, 0)), window.Ausgabe->size());
    // two envelopes two pixels wide across about 365 columns, and the hatch between them
    EXPECT_GT(pixelsOf(image, box, QColor(0, 0, 255)), 2 * 365);
    EXPECT_GT(pixelsOf(image, box, QColor(230, 230, 255)), 2000);
    // column 0: the envelopes' first segment from the axis, not the hatch alone
    const QRect inner = window.Ausgabe->contentsRect().translated(box.topLeft());
    EXPECT_GT(pixelsOf(image, QRect(inner.left(), inner.top(), 1, inner.height()), QColor(0, 0, 255)), 20);
}
