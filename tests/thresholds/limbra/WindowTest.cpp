#include "audiometry/AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "audiometry/LevelPlot.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/ModTon.h"
#include "thresholds/limbra/UCLimbra.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <memory>

using namespace audiometry_testing;
using limbra::UCLimbra;

// Pictures of the window for a person to look at land in build/screenshots/.
namespace {

class LimbraWindow : public AudiometryTest {
protected:
    UCLimbra *panel = new UCLimbra(limbra::panelOptions());
    std::unique_ptr<FormMain> window = std::make_unique<FormMain>(limbra::windowOptions(), panel);
};

} // namespace

TEST_F(LimbraWindow, WizardOverTheCentredWindowThenTheFirstToneAtTheDefaultReference)
{
    QByteArray calibrationTone;
    QImage picture;
    whenModal([&](QWidget *page) {
        EXPECT_EQ(page, &DialogPref::instance());
        EXPECT_TRUE(window->isVisible());
        picture = pageOverWindow(*window, *page);
        // the pages' tone is the calibration tone of both test programs
        DialogPref::instance().HScroll1->setValue(1 + 328);
        if (!services.playedFiles.isEmpty())
            calibrationTone = services.playedFiles.last();
        DialogPref::instance().CancelButton->click();
    });
    window->Form_Load();
    ASSERT_EQ(picture.size(), window->size());
    saveScreenshot(picture, "limbra-start.png");

    SampleChunks chunks;
    ModTon::MakeToneBoth(16384 + 328, 1000, chunks);
    EXPECT_EQ(calibrationTone.mid(44), testing_support::joined(chunks));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(DialogPref2::instance().TestValue, 32) << "cancelled on the first page";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->frameGeometry().center(), screen.center()) << "the frame centred on the screen";

    panel->Command6->click();
    ASSERT_EQ(services.playedFiles.size(), 2);
    EXPECT_EQ(peak(channel(services.playedFiles.last(), 1)), 1799) << "32 × 10^(35/20)";
    EXPECT_EQ(panel->Level(1)->text(), "35");

    // "Beenden": the pages go with the window, the panel closes its device as it goes
    window->Command1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(DialogPref::isLoaded() || DialogPref2::isLoaded());
    const qsizetype writes = services.mciWrites.size();
    window.reset();
    ASSERT_EQ(services.mciWrites.size(), writes + 1);
    EXPECT_EQ(services.mciLog().last(), "Command=Close");
}

TEST_F(LimbraWindow, CaptionSizeAndAbout)
{
    window->show();
    EXPECT_EQ(window->windowTitle(), "Davazidizid");
    EXPECT_EQ(window->centralWidget()->size(), platform::twipsRect(0, 0, 9180, 5325).size());
    // the panel is taller than the window: its lowest 330 twips are cut off
    EXPECT_EQ(panel->geometry(), platform::twipsRect(0, 0, 9135, 5655));
    EXPECT_EQ(panel->height() - window->centralWidget()->height(), platform::twipsToPixels(330));
    // "Beenden" over the panel, in the row of its buttons
    EXPECT_EQ(window->Command1->parentWidget()->childAt(window->Command1->geometry().center()), window->Command1);
    EXPECT_EQ(window->Command1->y(), panel->Command3->y());

    EXPECT_EQ(window->menAbout->text(), "Über \"Davazidizid\"...");
    const ModalTexts about = textsOfModal([&] { window->menAbout->trigger(); });
    EXPECT_EQ(about.title, "Davazidizid-Info");
    EXPECT_TRUE(about.texts.contains("Version 2.2.4") && about.texts.contains("Davazidizid"))
        << about.texts.join(" | ").toStdString();
}

TEST_F(LimbraWindow, ChartWithTheNormalCurve)
{
    window->show();
    panel->Command6->click();
    // a listener who hears the low and the highest tones worse than normal
    const int steps[] = {0, 12, 9, 6, 3, 2, 1, 2, 4, 8, 14, 16};
    for (int n = 1; n <= UCLimbra::Bars; ++n) {
        for (int s = 0; s < steps[n]; ++s)
            panel->VScroll(n)->userAction(QAbstractSlider::SliderSingleStepSub);
        panel->Cm(n)->click();
    }
    panel->Command3->click();
    saveScreenshot(window->grab().toImage(), "limbra-chart.png");

    // the measured 50 Hz point as a person sees it
    const LevelPlot::Geometry geometry(panel->Ausgabe->innerSize().width(), panel->Ausgabe->innerSize().height());
    const QPoint fifty = panel->Ausgabe->contentsRect().topLeft()
                       + QPointF(geometry.x(50), geometry.y(panel->MeasuredThreshold[1])).toPoint();
    EXPECT_GT(testing_support::pixelsOf(panel->Ausgabe->grab().toImage(), QRect(fifty - QPoint(4, 4), QSize(9, 9)),
                                        QColor(255, 0, 0)), 8)
        << "the red circle at 50 Hz";
    // the captions lie opaque over grid and curves, "3000" among the curves' ends
    EXPECT_EQ(captionsNotOpaque(*panel->Ausgabe, levelCaptionTexts()).join(", ").toStdString(), "");
}
