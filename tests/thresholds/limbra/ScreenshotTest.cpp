#include "audiometry/AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/FormMain.h"
#include "audiometry/LevelPlot.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/UCLimbra.h"

#include <QPushButton>

using namespace audiometry_testing;
using limbra::UCLimbra;

// Pictures of Limbra's window for a person to look at, in build/screenshots/.
namespace {

class LimbraScreens : public AudiometryTest {
protected:
    UCLimbra *panel = new UCLimbra(limbra::panelOptions());
    FormMain window{limbra::windowOptions(), panel};
};

int pixelsAround(const QImage &image, QPoint at, QColor color)
{
    int count = 0;
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -4; dy <= 4; ++dy)
            count += image.pixelColor(at + QPoint(dx, dy)) == color;
    return count;
}

} // namespace

TEST_F(LimbraScreens, WizardOverTheWindow)
{
    QImage picture;
    whenModal([&](QWidget *page) {
        picture = pageOverWindow(window, *page);
        DialogPref::instance().CancelButton->click();
    });
    window.Form_Load();
    ASSERT_FALSE(picture.isNull());
    saveScreenshot(picture, "limbra-start.png");
    EXPECT_EQ(picture.size(), window.size());
}

TEST_F(LimbraScreens, ChartWithTheNormalCurve)
{
    window.show();
    panel->Command6->click();
    // a listener who hears the low and the highest tones worse than normal
    const int steps[] = {0, 12, 9, 6, 3, 2, 1, 2, 4, 8, 14, 16};
    for (int n = 1; n <= UCLimbra::Bars; ++n) {
        for (int s = 0; s < steps[n]; ++s)
            panel->VScroll(n)->userAction(QAbstractSlider::SliderSingleStepSub);
        if (n == 6)
            saveScreenshot(window.grab().toImage(), "limbra-testing.png");
        panel->Cm(n)->click();
    }
    panel->Command3->click();
    saveScreenshot(window.grab().toImage(), "limbra-chart.png");

    // the measured 50 Hz point as a person sees it
    const QImage chart = panel->Ausgabe->grab().toImage();
    const LevelPlot::Geometry geometry(panel->Ausgabe->innerSize().width(), panel->Ausgabe->innerSize().height());
    const QPoint fifty = panel->Ausgabe->contentsRect().topLeft()
                       + QPointF(geometry.x(50), geometry.y(panel->MeasuredThreshold[1])).toPoint();
    EXPECT_GT(pixelsAround(chart, fifty, QColor(255, 0, 0)), 8) << "the red circle at 50 Hz";
}
