#include "VarnikTesting.h"

#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "thresholds/varnik/UCVarnik.h"
#include "thresholds/varnik/VarnikInfo.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

using namespace audiometry_testing;
using platform::MousePointer;
using Page1 = varnik::DialogPref1;
using Page2 = varnik::DialogPref2;
using varnik::UCVarnik;

namespace {

class Varnik : public varnik_testing::VarnikTest {
protected:
    UCVarnik *panel = new UCVarnik(varnik::panelOptions());
    FormMain window{varnik::windowOptions(), panel};
};

} // namespace

TEST_F(Varnik, PageTonesAreATenthOfTheTestTones)
{
    struct Row {
        const char *name;
        std::function<void()> play;
        std::uint32_t declared;
        int peak;
    };
    const Row rows[] = {
        {"Testton", [] { Page1::instance().Command1->click(); }, 264600, 1000},
        {"level one step up", [] { Page2::instance().HScroll1->userAction(QAbstractSlider::SliderSingleStepAdd); },
         88200, 1001},
        {"level to the top", [] { Page2::instance().HScroll1->userAction(QAbstractSlider::SliderToMaximum); },
         88200, 2000},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        services.mciWrites.clear();
        services.pointerChanges.clear();
        row.play();
        EXPECT_EQ(services.mciLog(), varnik_testing::toneLog(true));
        EXPECT_EQ(services.mciWrites.first().control, "MMControl2");
        EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
        const QByteArray &file = services.playedFiles.last();
        EXPECT_EQ(declaredDataBytes(file), row.declared);
        EXPECT_EQ(file.size() - 44, 352800);
        EXPECT_EQ(peak(channel(file, 0)), row.peak);
    }
}

TEST_F(Varnik, StartsWithoutADialogAndTheFirstToneAtLevelThousand)
{
    window.Form_Load();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(Page1::isLoaded() || Page2::isLoaded() || ::DialogPref2::isLoaded());
    panel->Command6->click();
    panel->VScroll(1)->userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(peak(channel(services.playedFiles.last(), 0)), 10000);
    EXPECT_TRUE(Page2::isLoaded()) << "reading the level loads the page";
    EXPECT_FALSE(Page2::instance().isVisible());
    EXPECT_EQ(services.mciCommands(), (QStringList{"Sound", "Close"}));
    // Zezevav's pages, in the same binary, are others with their own level
    EXPECT_EQ(::DialogPref2::instance().HScroll1->value(), 100);
    EXPECT_EQ(Page2::instance().HScroll1->value(), 1000);
}

TEST_F(Varnik, LevelPagesFromTheMenu)
{
    window.show();
    panel->Command6->click();
    // on through both pages, the level to 1500, "Ok"
    whenModal([](QWidget *page) {
        EXPECT_EQ(page, &Page1::instance());
        whenModal([](QWidget *second) {
            EXPECT_EQ(second, &Page2::instance());
            Page2::instance().HScroll1->setValue(1500);
            Page2::instance().OKButton->click();
        });
        Page1::instance().OKButton->click();
    });
    window.menPref->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(panel->VScroll(1)->isHidden()) << "the panel keeps its state";
    panel->VScroll(1)->userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(peak(channel(services.playedFiles.last(), 0)), 15000, 1);

    // back from the second page, then "Abbrechen": the level stays
    whenModal([](QWidget *) {
        whenModal([](QWidget *) {
            Page2::instance().CancelButton->click();
            EXPECT_TRUE(Page1::instance().isVisible());
            Page1::instance().CancelButton->click();
        });
        Page1::instance().OKButton->click();
    });
    window.menPref->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(Page1::isLoaded());
    EXPECT_EQ(Page2::instance().HScroll1->value(), 1500);
}

TEST_F(Varnik, ClosingUnloadsTheSecondPageThenTheFirst)
{
    struct Row {
        const char *name;
        bool pagesLoaded;
        std::function<void(FormMain &)> close;
    };
    const Row rows[] = {
        {"Beenden with the pages never opened", false, [](FormMain &w) { w.menQuit->trigger(); }},
        {"Beenden after the pages", true, [](FormMain &w) { w.menQuit->trigger(); }},
        {"window frame", true, [](FormMain &w) { w.close(); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.pagesLoaded) {
            Page1::instance();
            Page2::instance();
        }
        window.show();
        row.close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(Page1::isLoaded() || Page2::isLoaded());
    }
}

TEST_F(Varnik, WindowSizeMenusAndAbout)
{
    EXPECT_EQ(window.windowTitle(), "Eben wahrnehmbare Frequenzunterschiede");
    EXPECT_EQ(window.Command1, nullptr) << "no quit button";
    EXPECT_EQ(window.centralWidget()->size(), platform::twipsRect(0, 0, 9240, 5490).size());
    QStringList datei;
    for (const QAction *action : window.menDatei->actions())
        datei.append(action->text());
    EXPECT_EQ(datei, (QStringList{"Voreinstellungen...", "", "Beenden"}));
    EXPECT_EQ(window.menAbout->text(), "Über \"Varnik\"...");

    window.show();
    const ModalTexts about = textsOfModal([&] { window.menAbout->trigger(); });
    EXPECT_EQ(about.title, "Varnik-Info");
    EXPECT_TRUE(about.texts.contains("Version 1.0.0")) << about.texts.join(" | ").toStdString();
    window.menVisit->trigger();
    EXPECT_EQ(services.openedUrls.size(), 1);
}

// Pictures for a person to look at: the result with the mean curve and the table, and the pages.
TEST_F(Varnik, ScreenshotsOfResultAndPages)
{
    window.show();
    panel->Command6->click();
    // a listener a little worse than the mean at the low and the high frequencies
    const int upSteps[] = {2, 1, 1, 0, 1, 2, 3, 6};
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        for (int s = 0; s < upSteps[i - 1]; ++s)
            panel->VScroll(i)->userAction(QAbstractSlider::SliderSingleStepSub);
        panel->Cm(i)->click();
    }
    panel->Command3->click();
    panel->Command5->click();
    saveScreenshot(window.grab().toImage(), "varnik-result.png");

    // the red mean point at 10000 Hz on the top line, where the table does not reach
    const QPoint top = panel->Ausgabe->contentsRect().topLeft() +
                       QPointF(LevelPlot::Geometry(panel->Ausgabe->innerSize().width(), 1).x(10000), 20).toPoint();
    EXPECT_GT(testing_support::pixelsOf(panel->Ausgabe->grab().toImage(), QRect(top - QPoint(4, 4), QSize(9, 9)),
                                        QColor(255, 0, 0)),
              8);
    // the axis caption on its white ground, not struck through by the grid
    EXPECT_EQ(captionsNotOpaque(*panel->Ausgabe, {QStringLiteral("f in [Hz]")}).join(", ").toStdString(), "");
    saveScreenshot(Page1::instance().grab().toImage(), "varnik-page1.png");
    saveScreenshot(Page2::instance().grab().toImage(), "varnik-page2.png");
}
