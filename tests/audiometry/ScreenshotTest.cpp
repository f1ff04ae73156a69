#include "AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref1.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/CalibrationPages.h"
#include "audiometry/FormMain.h"
#include "audiometry/LevelPlot.h"
#include "audiometry/UCHTest.h"
#include "audiometry/zezevav/Zezevav.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>

using namespace audiometry_testing;
using Ear = UCHTest::Ear;

// Pictures of the real windows for a person to look at, in build/screenshots/.
namespace {

class Screens : public AudiometryTest {
protected:
    UCHTest *panel = new UCHTest(CalibrationPages::referenceAmplitude);
    FormMain window{Zezevav::windowOptions(), panel};
};

} // namespace

TEST_F(Screens, MainWindowWithTheWizardOverIt)
{
    QImage picture;
    QPoint pageCentre, windowCentre;
    QSet<QRgb> windowColours;
    whenModal([&](QWidget *page) {
        // where the page's frame was placed, and the window frame's middle at that time
        pageCentre = page->frameGeometry().center();
        windowCentre = window.frameGeometry().center();
        const QImage windowOnly = window.grab().toImage();
        for (int y = 0; y < windowOnly.height(); y += 3)
            for (int x = 0; x < windowOnly.width(); x += 3)
                windowColours.insert(windowOnly.pixel(x, y));
        picture = pageOverWindow(window, *page);
        saveScreenshot(page->grab().toImage(), "zezevav-wizard-page1.png");
        // the two further pages on the way, then back to the first and cancelled there
        whenModal([&](QWidget *second) {
            saveScreenshot(second->grab().toImage(), "zezevav-wizard-page2.png");
            whenModal([&](QWidget *third) {
                saveScreenshot(third->grab().toImage(), "zezevav-wizard-page3.png");
                whenModal([&](QWidget *) {
                    whenModal([&](QWidget *first) {
                        EXPECT_EQ(first, &DialogPref::instance());
                        DialogPref::instance().CancelButton->click();
                    });
                    DialogPref1::instance().CancelButton->click();
                });
                DialogPref2::instance().CancelButton->click();
            });
            DialogPref1::instance().OKButton->click();
        });
        DialogPref::instance().OKButton->click();
    });
    window.Form_Load();
    ASSERT_FALSE(picture.isNull());
    saveScreenshot(picture, "zezevav-start.png");
    // the panel was drawn, not an empty window
    EXPECT_GE(windowColours.size(), 4);
    // the wizard lies over the middle of the window
    EXPECT_LE((pageCentre - windowCentre).manhattanLength(), 1);
}

TEST_F(Screens, AudiogramAfterACompleteRunWithTheNormalCurve)
{
    window.show();
    panel->Command6->click();
    // a listener who hears the low tones worse on the right and the high ones worse on the left
    const int rightSteps[] = {0, 6, 4, 2, 1, 1, 1, 2, 3, 3, 2, 1};
    const int leftSteps[] = {0, 2, 2, 1, 1, 1, 2, 4, 6, 8, 9, 10};
    for (Ear ear : {Ear::Right, Ear::Left}) {
        for (int i = 1; i <= UCHTest::Bars; ++i) {
            const int steps = (ear == Ear::Right ? rightSteps : leftSteps)[i];
            for (int s = 0; s < steps; ++s)
                panel->VScroll(ear, i)->userAction(QAbstractSlider::SliderSingleStepSub);
            if (ear == Ear::Left && i == 4)
                saveScreenshot(window.grab().toImage(), "zezevav-left-ear.png");
            if (ear == Ear::Right && i == UCHTest::Bars) {
                // "10000" since OK on bar 10: the caption's colon stays out of the frequency's place
                const QImage shot = window.grab().toImage();
                saveScreenshot(shot, "zezevav-10000.png");
                const QRect frequency = testing_support::placeIn(*panel->Label18, window);
                EXPECT_EQ(panel->Label18->text(), "10000");
                int red = 0;
                for (int y = frequency.top(); y <= frequency.bottom(); ++y)
                    for (int x = frequency.left(); x <= frequency.right(); ++x) {
                        const QColor c = shot.pixelColor(x, y);
                        red += c.red() > 2 * c.green() + 40 && c.red() > 2 * c.blue() + 40;
                    }
                EXPECT_GT(red, 20) << "the red digits in their place";
                EXPECT_EQ(testing_support::darkPixelsOf(shot, frequency), 0) << "no black text in the frequency's place";
                EXPECT_GT(testing_support::darkPixelsOf(shot, testing_support::placeIn(*panel->Label17, window)), 20);
                EXPECT_LE(panel->Label17->geometry().right(), panel->Label18->geometry().left());
            }
            panel->Cm(ear, i)->click();
        }
    }
    panel->Command3->click();
    const QImage picture = window.grab().toImage();
    saveScreenshot(picture, "zezevav-audiogram.png");

    // the right ear's 50 Hz point and the grid as a person sees them
    const QImage chart = panel->Ausgabe->grab().toImage();
    const QPoint inner = panel->Ausgabe->contentsRect().topLeft();
    const LevelPlot::Geometry geometry(panel->Ausgabe->innerSize().width(), panel->Ausgabe->innerSize().height());
    const QPoint rightFifty = inner + QPointF(geometry.x(50), geometry.y(panel->RightThreshold[1])).toPoint();
    int redAround = 0;
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -4; dy <= 4; ++dy)
            redAround += chart.pixelColor(rightFifty + QPoint(dx, dy)) == QColor(255, 0, 0);
    EXPECT_GT(redAround, 8) << "the red circle at 50 Hz";
    const QPoint gridCorner = inner + QPointF(30, geometry.y0()).toPoint();
    EXPECT_EQ(chart.pixelColor(gridCorner + QPoint(0, -40)), QColor(Qt::black));
    EXPECT_EQ(chart.pixelColor(inner + QPoint(545, 150)), QColor(Qt::white)) << "the grid ends at 10000 Hz";
    EXPECT_EQ(captionsNotOpaque(*panel->Ausgabe, levelCaptionTexts()).join(", ").toStdString(), "") << "captions opaque over the grid";
}
