#include "VarnikTesting.h"

#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/Twips.h"
#include "thresholds/varnik/UCVarnik.h"
#include "thresholds/varnik/VarnikInfo.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace audiometry_testing;
using platform::MousePointer;
using varnik::UCVarnik;

namespace {

class Varnik : public varnik_testing::VarnikTest {
protected:
    UCVarnik *panel = new UCVarnik(varnik::panelOptions());
    FormMain window{varnik::windowOptions(), panel};

    int firstTonePeak()
    {
        panel->Command6->click();
        panel->VScroll(1)->userAction(QAbstractSlider::SliderSingleStepSub);
        return peak(channel(services.playedFiles.last(), 0));
    }
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
        {"Testton", [] { varnik::DialogPref1::instance().Command1->click(); }, 264600, 1000},
        {"level one step up", [] { varnik::DialogPref2::instance().HScroll1->userAction(QAbstractSlider::SliderSingleStepAdd); },
         88200, 1001},
        {"level to the top", [] { varnik::DialogPref2::instance().HScroll1->userAction(QAbstractSlider::SliderToMaximum); },
         88200, 2000},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        services.mciWrites.clear();
        services.pointerChanges.clear();
        row.play();
        EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + platform::soundFilePath(), "Flag1=false", "Flag2=true",
                                                  "Command=Sound", "Command=Close"}));
        EXPECT_EQ(services.mciWrites.first().control, "MMControl2");
        EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
        const QByteArray &file = services.playedFiles.last();
        EXPECT_EQ(declaredDataBytes(file), row.declared);
        EXPECT_EQ(file.size() - 44, 352800);
        EXPECT_EQ(peak(channel(file, 0)), row.peak);
        EXPECT_EQ(peak(channel(file, 1)), row.peak);
    }
}

TEST_F(Varnik, StartsWithoutADialogAndTheFirstToneAtLevelThousand)
{
    window.Form_Load();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(varnik::DialogPref1::isLoaded() || varnik::DialogPref2::isLoaded());
    EXPECT_FALSE(::DialogPref2::isLoaded()) << "nothing of Zezevav's pages";
    EXPECT_EQ(firstTonePeak(), 10000);
    EXPECT_TRUE(varnik::DialogPref2::isLoaded()) << "reading the level loads the page";
    EXPECT_FALSE(varnik::DialogPref2::instance().isVisible());
    EXPECT_EQ(services.mciCommands(), (QStringList{"Sound", "Close"}));
}

TEST_F(Varnik, LevelPagesFromTheMenu)
{
    window.show();
    panel->Command6->click();
    // on through both pages, the level to 1500, "Ok"
    whenModal([](QWidget *page) {
        EXPECT_EQ(page, &varnik::DialogPref1::instance());
        EXPECT_EQ(page->windowTitle(), "Voreinstellungen");
        whenModal([](QWidget *second) {
            EXPECT_EQ(second, &varnik::DialogPref2::instance());
            EXPECT_EQ(second->pos(), varnik::DialogPref1::instance().pos()) << "in the first page's place";
            varnik::DialogPref2::instance().HScroll1->setValue(1500);
            varnik::DialogPref2::instance().OKButton->click();
        });
        varnik::DialogPref1::instance().OKButton->click();
    });
    window.menPref->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(varnik::DialogPref1::isLoaded() && varnik::DialogPref2::isLoaded());
    EXPECT_FALSE(varnik::DialogPref1::instance().isVisible() || varnik::DialogPref2::instance().isVisible());
    EXPECT_FALSE(panel->VScroll(1)->isHidden()) << "the panel keeps its state";
    panel->VScroll(1)->userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(peak(channel(services.playedFiles.last(), 0)), 15000, 1);

    // back from the second page, then "Abbrechen": the level stays
    whenModal([](QWidget *) {
        whenModal([](QWidget *) {
            varnik::DialogPref2::instance().CancelButton->click();
            EXPECT_TRUE(varnik::DialogPref1::instance().isVisible());
            varnik::DialogPref1::instance().CancelButton->click();
        });
        varnik::DialogPref1::instance().OKButton->click();
    });
    window.menPref->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(varnik::DialogPref1::isLoaded());
    EXPECT_EQ(varnik::DialogPref2::instance().HScroll1->value(), 1500);
}

TEST_F(Varnik, ClosingUnloadsTheSecondPageThenTheFirst)
{
    const FormMain::Options options = varnik::windowOptions();
    ASSERT_EQ(options.unload.size(), 2u);
    EXPECT_EQ(*options.unload[0].target<void (*)()>(), &varnik::DialogPref2::unload);
    EXPECT_EQ(*options.unload[1].target<void (*)()>(), &varnik::DialogPref1::unload);

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
            varnik::DialogPref1::instance();
            varnik::DialogPref2::instance();
        }
        window.show();
        row.close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(varnik::DialogPref1::isLoaded() || varnik::DialogPref2::isLoaded());
    }
}

TEST_F(Varnik, WindowMenusAndAbout)
{
    EXPECT_EQ(window.windowTitle(), "Eben wahrnehmbare Frequenzunterschiede");
    EXPECT_EQ(window.Command1, nullptr) << "no quit button";
    EXPECT_EQ(window.centralWidget()->size(), platform::twipsRect(0, 0, 9240, 5490).size());
    EXPECT_EQ(panel->geometry(), platform::twipsRect(0, 120, 9135, 5295));

    EXPECT_EQ(window.menDatei->title(), "&Datei");
    const QList<QAction *> datei = window.menDatei->actions();
    ASSERT_EQ(datei.size(), 3);
    EXPECT_EQ(datei[0]->text(), "Voreinstellungen...");
    EXPECT_TRUE(datei[1]->isSeparator());
    EXPECT_EQ(datei[2]->text(), "Beenden");
    EXPECT_TRUE(datei[0]->shortcut().isEmpty());
    EXPECT_TRUE(datei[2]->shortcut().isEmpty());
    EXPECT_EQ(window.menQMark->title(), "&?");
    EXPECT_EQ(window.menVisit->text(), "\"velmora\" besuchen...");
    EXPECT_EQ(window.menAbout->text(), "Über \"Varnik\"...");

    window.show();
    const ModalTexts about = textsOfModal([&] { window.menAbout->trigger(); });
    EXPECT_EQ(about.title, "Varnik-Info");
    EXPECT_TRUE(about.texts.contains("Version 1.0.0")) << about.texts.join(" | ").toStdString();
    EXPECT_TRUE(about.texts.contains("Varnik"));
    window.menVisit->trigger();
    EXPECT_EQ(services.openedUrls.size(), 1);
}

TEST_F(Varnik, OwnPagesBesideZezevavs)
{
    EXPECT_NE(static_cast<QWidget *>(&varnik::DialogPref2::instance()), static_cast<QWidget *>(&::DialogPref2::instance()));
    EXPECT_EQ(::DialogPref2::instance().HScroll1->value(), 100);
    EXPECT_EQ(varnik::DialogPref2::instance().HScroll1->value(), 1000);
    EXPECT_EQ(varnik::DialogPref2::instance().HScroll1->min(), 500);
    EXPECT_EQ(varnik::DialogPref2::instance().HScroll1->max(), 2000);
    EXPECT_EQ(varnik::DialogPref2::instance().Label1->text(), "3. Stellen Sie die Ausgabelautstärke des Programms ein:");
    EXPECT_EQ(varnik::DialogPref1::instance().Label2->text(),
              "2. Stellen Sie Ihre Lautsprecher / Ihren Kopfhörer auf die gewünschte Lautstärke ein.");
    EXPECT_EQ(varnik::DialogPref1::instance().CancelButton->text(), "Abbrechen");
}
