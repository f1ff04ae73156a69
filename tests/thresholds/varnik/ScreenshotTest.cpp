#include "VarnikTesting.h"

#include "audiometry/FormMain.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "thresholds/varnik/UCVarnik.h"
#include "thresholds/varnik/VarnikInfo.h"

#include <QDir>
#include <QPushButton>

using namespace audiometry_testing;
using varnik::UCVarnik;

// Pictures of the real windows for a person to look at, in build/screenshots/.
namespace {

class VarnikScreens : public varnik_testing::VarnikTest {
protected:
    UCVarnik *panel = new UCVarnik(varnik::panelOptions());
    FormMain window{varnik::windowOptions(), panel};

    static void save(const QImage &image, const QString &name)
    {
        const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
        QDir().mkpath(folder);
        EXPECT_TRUE(image.save(folder + "/" + name)) << name.toStdString();
    }
};

} // namespace

TEST_F(VarnikScreens, ResultWithMeanCurveAndTable)
{
    window.show();
    save(window.grab().toImage(), "varnik-start.png");
    panel->Command6->click();
    // a listener a little worse than the mean at the low and the high frequencies
    const int upSteps[] = {2, 1, 1, 0, 1, 2, 3, 6};
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        for (int s = 0; s < upSteps[i - 1]; ++s)
            panel->VScroll(i)->userAction(QAbstractSlider::SliderSingleStepSub);
        if (i == 3)
            save(window.grab().toImage(), "varnik-step.png");
        panel->Cm(i)->click();
    }
    panel->Command3->click();
    save(window.grab().toImage(), "varnik-result.png");
    panel->Command5->click();
    const QImage picture = window.grab().toImage();
    save(picture, "varnik-table.png");

    // the red mean point at 10000 Hz on the top line, where the table does not reach
    const QImage chart = panel->Ausgabe->grab().toImage();
    const QPoint inner = panel->Ausgabe->contentsRect().topLeft();
    const double width = panel->Ausgabe->innerSize().width();
    const QPoint top = inner + QPointF(LevelPlot::Geometry(width, 1).x(10000), 20).toPoint();
    int red = 0;
    for (int dx = -4; dx <= 4; ++dx)
        for (int dy = -4; dy <= 4; ++dy)
            red += chart.pixelColor(top + QPoint(dx, dy)) == QColor(255, 0, 0);
    EXPECT_GT(red, 8);

    for (QWidget *page : {static_cast<QWidget *>(&varnik::DialogPref1::instance()),
                          static_cast<QWidget *>(&varnik::DialogPref2::instance())})
        save(page->grab().toImage(), page == &varnik::DialogPref1::instance() ? "varnik-page1.png" : "varnik-page2.png");
}
