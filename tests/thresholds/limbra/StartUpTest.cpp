#include "audiometry/AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "support/WaveBytes.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/ModTon.h"
#include "thresholds/limbra/UCLimbra.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <memory>

using namespace audiometry_testing;
using limbra::UCLimbra;

namespace {

class LimbraStart : public AudiometryTest {
protected:
    UCLimbra *panel = new UCLimbra(limbra::panelOptions());
    std::unique_ptr<FormMain> window = std::make_unique<FormMain>(limbra::windowOptions(), panel);
};

} // namespace

TEST_F(LimbraStart, WizardOverTheCentredWindowThenTheFirstToneAtTheDefaultReference)
{
    bool loadReturned = false;
    QByteArray calibrationTone;
    whenModal([&](QWidget *page) {
        EXPECT_EQ(page, &DialogPref::instance());
        EXPECT_EQ(page->windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(loadReturned);
        EXPECT_FALSE(DialogPref2::instance().isVisible());
        EXPECT_EQ(DialogPref2::instance().TestValue, 32);
        // the pages' tone is the calibration tone of both test programs
        DialogPref::instance().HScroll1->setValue(1 + 328);
        if (!services.playedFiles.isEmpty())
            calibrationTone = services.playedFiles.last();
        DialogPref::instance().CancelButton->click();
    });
    window->Form_Load();
    loadReturned = true;

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

TEST_F(LimbraStart, WindowCaptionSizeAndMenus)
{
    window->show();
    EXPECT_EQ(window->windowTitle(), "Davazidizid");
    EXPECT_EQ(window->centralWidget()->size(), platform::twipsRect(0, 0, 9180, 5325).size());
    // the panel is taller than the window: its lowest 330 twips are cut off
    EXPECT_EQ(panel->geometry(), platform::twipsRect(0, 0, 9135, 5655));
    EXPECT_EQ(panel->height() - window->centralWidget()->height(), platform::twipsToPixels(330));

    QStringList captions;
    for (QAction *menu : window->menuBar()->actions()) {
        captions.append(menu->text());
        for (QAction *item : menu->menu()->actions())
            captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    EXPECT_EQ(captions, (QStringList{"&Datei", "Voreinstellungen...", "-", "&Beenden", "&?",
                                     "\"velmora\" besuchen...", "Über \"Davazidizid\"..."}));
    EXPECT_EQ(window->menPref->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(window->menQuit->shortcut(), QKeySequence("Ctrl+Q"));
    // "Beenden" over the panel, in the row of its buttons
    EXPECT_EQ(window->Command1->parentWidget()->childAt(window->Command1->geometry().center()), window->Command1);
    EXPECT_EQ(window->Command1->y(), panel->Command3->y());

    const ModalTexts about = textsOfModal([&] { window->menAbout->trigger(); });
    EXPECT_EQ(about.title, "Davazidizid-Info");
    EXPECT_TRUE(about.texts.contains("Version 2.2.4")) << about.texts.join(" | ").toStdString();
    EXPECT_TRUE(about.texts.contains("Davazidizid"));
}
