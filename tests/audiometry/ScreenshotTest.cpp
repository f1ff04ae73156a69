#include "AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref1.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "audiometry/LevelPlot.h"
#include "audiometry/UCHTest.h"
#include "audiometry/zezevav/Zezevav.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QSet>

using namespace audiometry_testing;
using Ear = UCHTest::Ear;

// Pictures of the real windows for a person to look at, in build/screenshots/.
namespace {

class Screens : public AudiometryTest {
protected:
    UCHTest *panel = new UCHTest(Zezevav::referenceAmplitude);
    FormMain window{Zezevav::programInfo(), Zezevav::AboutCaption, panel, Zezevav::PanelTwips, Zezevav::ClientTwips};

    static QString save(const QImage &image, const QString &name)
    {
        const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
        QDir().mkpath(folder);
        const QString path = folder + "/" + name;
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }
};

} // namespace

TEST_F(Screens, MainWindowWithTheWizardOverIt)
{
    QImage picture;
    QPoint pageCentre, windowCentre;
    QSet<QRgb> windowColours;
    whenModal([&](QWidget *page) {
        picture = window.grab().toImage();
        // where the page was placed, frame included, and the window's middle at that time
        pageCentre = page->pos() + page->rect().center();
        windowCentre = window.geometry().center();
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3)
                windowColours.insert(picture.pixel(x, y));
        // the page as a window manager would frame it, at its place over the main window
        const QImage inside = page->grab().toImage();
        const QPoint at = page->geometry().topLeft() - window.geometry().topLeft();
        QPainter painter(&picture);
        painter.fillRect(QRect(at - QPoint(1, 21), inside.size() + QSize(2, 22)), QColor(60, 60, 90));
        painter.setPen(Qt::white);
        painter.drawText(QRect(at - QPoint(-6, 20), QSize(inside.width(), 18)), Qt::AlignVCenter, page->windowTitle());
        painter.drawImage(at, inside);
        save(page->grab().toImage(), "zezevav-wizard-page1.png");
        // the two further pages on the way, then back to the first and cancelled there
        whenModal([&](QWidget *second) {
            save(second->grab().toImage(), "zezevav-wizard-page2.png");
            whenModal([&](QWidget *third) {
                save(third->grab().toImage(), "zezevav-wizard-page3.png");
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
    save(picture, "zezevav-start.png");
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
                save(window.grab().toImage(), "zezevav-left-ear.png");
            panel->Cm(ear, i)->click();
        }
    }
    panel->Command3->click();
    const QImage picture = window.grab().toImage();
    save(picture, "zezevav-audiogram.png");

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
}
