#include "demos/zanter/ModulationTesting.h"

#include "demos/RandomRecords.h"
#include "demos/koliva/Eingabe.h"
#include "demos/koliva/Envelope.h"

#include "platform/TextBox.h"
#include "support/Screenshot.h"

#include <QScrollBar>
#include <QTest>

using namespace demo_tests;
using namespace testing_support;

using Koliva = ModulationWindow<koliva::Eingabe>;
using Primitive = platform::DrawnPrimitive;

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

TEST(DrawEnvelope, EnvelopesHatchAxesAndDottedLines)
{
    const QColor Blue(0, 0, 255);
    const struct {
        const char *name;
        int width, depth, frequency;
        int upperTouchesAxis;
    } rows[] = {
        {"start: flat envelopes, the dotted lines on top of each other", 365, 0, 0, 0},
        {"full depth at 10 Hz touches the axis ten times", 365, 10, 10, 10},
        {"a wider box gets a column per pixel", 600, 7, 3, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const double W = row.width;
        const double H = 269;
        const double quarter = 0.95 * H / 4;
        const double m = row.depth / 10.0;
        platform::DrawingSurface box(QSize(row.width, 269));
        box.setScale(QPointF(0, 10), QPointF(10, -10));  // whatever the last drawing left
        koliva::DrawEnvelope(box, row.depth, row.frequency);

        // column by column the hatch, the lower envelope and the upper one; then the axes and the
        // three dotted lines
        const QList<Primitive> &all = box.primitives();
        ASSERT_EQ(all.size(), qsizetype(3 * W + 5));
        EXPECT_EQ(all[1].from, QPointF(0, H / 2));
        EXPECT_EQ(all[2].from, QPointF(0, H / 2));
        EXPECT_EQ(all[3 * row.width - 1].to.x(), W);
        int touches = 0;
        bool down = false;
        for (int i = 0; i < row.width; ++i) {
            const Primitive &hatch = all[3 * i], &lower = all[3 * i + 1], &upper = all[3 * i + 2];
            ASSERT_TRUE(lower.color == Blue && upper.color == Blue && hatch.color == QColor(230, 230, 255)) << i;
            // the pale hatch runs from the upper envelope at one column to the lower at the next
            EXPECT_EQ(hatch.from.y(), upper.to.y());
            EXPECT_EQ(hatch.to.y(), lower.to.y());
            const double up = H / 2 - upper.to.y();
            EXPECT_NEAR(up, lower.to.y() - H / 2, 1e-3);  // mirrored about the axis
            EXPECT_GE(up, quarter * (1 - m) - 1e-3);
            EXPECT_LE(up, quarter * (1 + m) + 1e-3);
            touches += up < 0.02 * quarter && !down;
            down = up < 0.02 * quarter;
        }
        EXPECT_EQ(touches, row.upperTouchesAxis);

        const Primitive *axes = &all[3 * row.width];
        EXPECT_EQ(QLineF(axes[0].from, axes[0].to), QLineF(0, H / 2, W, H / 2));
        EXPECT_EQ(QLineF(axes[1].from, axes[1].to), QLineF(W / 2, H, W / 2, 0));
        const Primitive *dotted = axes + 2;
        const double expected[] = {quarter, quarter * (1 + m), quarter * (1 - m)};
        const QColor colours[] = {Qt::black, Blue, Blue};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(dotted[i].style, Primitive::Style::Dot);
            EXPECT_NEAR(H / 2 - dotted[i].from.y(), expected[i], 1e-3) << i;
            EXPECT_EQ(dotted[i].to.x(), W);
            EXPECT_EQ(dotted[i].color, colours[i]);
        }
    }
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
