#include "AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref1.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/CalibrationPages.h"
#include "audiometry/FormMain.h"
#include "audiometry/UCHTest.h"
#include "audiometry/zezevav/Zezevav.h"
#include "common/ModBrowse.h"
#include "platform/ScrollBar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <cmath>

using namespace audiometry_testing;

namespace {

class StartUp : public AudiometryTest {
protected:
    UCHTest *panel = new UCHTest(CalibrationPages::referenceAmplitude);
    FormMain window{Zezevav::windowOptions(), panel};

    // The first tone of a run: right bar 1 one step up, 36 dB.
    int firstTonePeak()
    {
        panel->Command6->click();
        panel->VScroll(UCHTest::Ear::Right, 1)->userAction(QAbstractSlider::SliderSingleStepSub);
        return peak(channel(services.playedFiles.last(), 1));
    }
};

} // namespace

TEST_F(StartUp, WizardOpensModallyOverTheVisibleMainWindow)
{
    bool loadReturned = false;
    whenModal([&](QWidget *page) {
        EXPECT_EQ(page, &DialogPref::instance());
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(page->windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(loadReturned);
        EXPECT_TRUE(DialogPref2::isLoaded());
        EXPECT_FALSE(DialogPref2::instance().isVisible());
        EXPECT_EQ(DialogPref2::instance().TestValue, 32);
        DialogPref::instance().CancelButton->click();
    });
    window.Form_Load();
    loadReturned = true;

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(DialogPref::isLoaded());
    EXPECT_EQ(DialogPref2::instance().TestValue, 32);
    EXPECT_NEAR(firstTonePeak(), 32 * std::pow(10.0, 36.0 / 20), 1.0);
}

TEST_F(StartUp, ReferenceIsSetToThirtyTwoWhateverTheThirdPageComputesOnLoading)
{
    // an output level already moved: the third page alone would compute 24000 / 512 = 47
    DialogPref::instance().HScroll1->setValue(-16383 + 24000);
    whenModal([](QWidget *) {
        EXPECT_EQ(DialogPref2::instance().TestValue, 32);
        DialogPref::instance().CancelButton->click();
    });
    window.Form_Load();
    EXPECT_EQ(DialogPref2::instance().TestValue, 32);
}

TEST_F(StartUp, CalibrationAppliesToTheFollowingTonesAndIsKeptForTheNextOpening)
{
    whenModal([](QWidget *) {
        DialogPref::instance().HScroll1->setValue(-16383 + 24000);
        whenModal([](QWidget *) {
            whenModal([](QWidget *) {
                DialogPref2::instance().HScroll1->setValue(125);
                DialogPref2::instance().OKButton->click();
            });
            DialogPref1::instance().OKButton->click();
        });
        DialogPref::instance().OKButton->click();
    });
    window.Form_Load();
    // 24000 / 512 / 1.25 = 37.5, ties to even
    EXPECT_EQ(DialogPref2::instance().TestValue, 38);
    EXPECT_NEAR(firstTonePeak(), 38 * std::pow(10.0, 36.0 / 20), 1.0);

    int sliderOnReopening = 0;
    whenModal([&](QWidget *page) {
        EXPECT_EQ(page, &DialogPref::instance());
        sliderOnReopening = DialogPref::instance().HScroll1->value();
        DialogPref::instance().CancelButton->click();
    });
    window.menPref->trigger();
    EXPECT_EQ(sliderOnReopening, -16383 + 24000);
    EXPECT_EQ(DialogPref2::instance().TestValue, 38);
}

TEST_F(StartUp, ClosingTheWindowUnloadsThePagesAndLeavesNoWindow)
{
    whenModal([](QWidget *) {
        whenModal([](QWidget *page) {
            EXPECT_EQ(page, &DialogPref1::instance());
            page->close();
        });
        DialogPref::instance().OKButton->click();
    });
    window.Form_Load();
    EXPECT_TRUE(DialogPref1::isLoaded()) << "the close box only ends the wizard";
    EXPECT_FALSE(DialogPref1::instance().isVisible());

    struct Row {
        const char *name;
        std::function<void(FormMain &)> close;
    };
    const Row rows[] = {
        {"Beenden", [](FormMain &w) { w.Command1->click(); }},
        {"menu Beenden", [](FormMain &w) { w.menQuit->trigger(); }},
        {"window frame", [](FormMain &w) { w.close(); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        DialogPref2::instance();
        window.show();
        row.close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(DialogPref::isLoaded() || DialogPref1::isLoaded() || DialogPref2::isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
    }
}

TEST_F(StartUp, WindowMenusAndFrame)
{
    EXPECT_EQ(window.windowTitle(), "Zezevav");
    EXPECT_EQ(window.menPref->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(window.menQuit->shortcut(), QKeySequence("Ctrl+Q"));
    const QList<QAction *> datei = window.menDatei->actions();
    ASSERT_EQ(datei.size(), 3);
    EXPECT_TRUE(datei[1]->isSeparator());
    EXPECT_EQ(window.menQMark->actions(), (QList<QAction *>{window.menVisit, window.menAbout}));

    // fixed size, no minimise or maximise button
    window.show();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.Command1->isVisible()) << "the button lies over the panel";
    EXPECT_EQ(window.Command1->parentWidget()->childAt(window.Command1->geometry().center()), window.Command1);
}

TEST_F(StartUp, QuestionMarkMenuShowsTheAboutDialogAndTheWebPage)
{
    window.show();
    const AboutSeen about = aboutFromMenu(window);
    EXPECT_EQ(about.title, "Zezevav-Info");
    EXPECT_TRUE(about.texts.contains("Version 2.1.0")) << about.texts.join(" | ").toStdString();
    EXPECT_TRUE(about.texts.contains("Zezevav"));

    window.menVisit->trigger();
    EXPECT_EQ(services.openedUrls, (QList<QUrl>{QUrl(ModBrowse::SuiteWebPage)}));
    EXPECT_TRUE(services.openedUrls.first().path().endsWith("/velmora/index.html"));
}
