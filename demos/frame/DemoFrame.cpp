#include "DemoFrame.h"

#include "DemoWindow.h"
#include "SettingsFile.h"
#include "SettingsRecord.h"

#include "common/ModBrowse.h"
#include "common/ModFiles.h"
#include "common/TonePath.h"
#include "common/frmAbout.h"
#include "platform/DesignControls.h"
#include "platform/FailureReport.h"
#include "platform/MMControl.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace demos {

using platform::MessageIcon;
using platform::services;

const QString DemoFrame::InvalidSettingsMessage = QStringLiteral("Datei enthält keine gültigen Einstellungen!");

namespace {
const QString WaveFilter = QStringLiteral("Wave");
const QString SettingsFilter = QStringLiteral("Set");
} // namespace

QWidget *makeClientArea(QMainWindow &window, const QString &caption, QSize twips, platform::DesignFace face)
{
    window.setWindowTitle(caption);
    platform::useDesignFont(window, face);
    auto *area = new QWidget(&window);
    area->setFixedSize(platform::twipsToPixels(twips.width()), platform::twipsToPixels(twips.height()));
    window.setCentralWidget(area);
    return area;
}

DemoFrame::DemoFrame(const DemoDescription &description, ProgramInfo program, DemoWindow &window)
    : m_description(description)
    , m_program(std::move(program))
    , m_window(window)
{
}

void DemoFrame::underHourglass(const std::function<void()> &work)
{
    platform::ScopedHourglass hourglass;
    try {
        work();
    } catch (const std::exception &error) {
        hourglass.endAndReport(error);
    }
}

bool DemoFrame::refused(DemoWindow::Use use)
{
    const QString reason = m_window.refusal(use);
    if (reason.isEmpty())
        return false;
    services().messageBox({reason, QString(), MessageIcon::Exclamation});
    return true;
}

void DemoFrame::play()
{
    m_window.showValuesInForce();
    if (refused(DemoWindow::Use::Sound))
        return;
    const PlayVariant &variant = m_description.play;
    TonePath::play(m_window.multimediaControl(), TonePath::Policy{variant.sequence, variant.pointer},
                   [&](const QString &path) {
                       if (variant.redrawsBeforePlay)
                           m_window.redrawForPlay();
                       m_window.makeSoundFile(path);
                   });
}

void DemoFrame::exportWave()
{
    m_window.showValuesInForce();
    if (refused(DemoWindow::Use::Sound))
        return;
    const QString path = ModFiles::ShowSaveDialog(WaveFilter, QString(), QStringLiteral("Als Wave-Datei speichern..."));
    if (path.isEmpty())
        return;
    // the writer replaces the file only once the new one is complete
    underHourglass([&] { m_window.makeSoundFile(path); });
}

void DemoFrame::saveSettings()
{
    m_window.showValuesInForce();
    if (refused(DemoWindow::Use::Settings))
        return;
    const QString path =
        ModFiles::ShowSaveDialog(SettingsFilter, QString(), QStringLiteral("Aktuelle Einstellungen speichern..."));
    if (path.isEmpty())
        return;
    underHourglass([&] { writeSettingsFile(path, m_description, m_window.settingsRecord()); });
}

void DemoFrame::loadSettings()
{
    for (;;) {
        const QString path = ModFiles::ShowOpenDialog(SettingsFilter, QString(), QStringLiteral("Einstellungen laden..."));
        if (path.isEmpty())
            return;
        const platform::ScopedHourglass hourglass;
        try {
            SettingsReader record(readSettingsFile(path, m_description));
            m_window.applySettings(record);
            return;
        } catch (const std::exception &) {
            // controls assigned before the refused value keep it, as their handlers have run
            services().messageBox({InvalidSettingsMessage, QString(), MessageIcon::Exclamation});
        }
    }
}

void DemoFrame::unload()
{
    if (m_description.play.closesOnUnload)
        m_window.multimediaControl().setCommand(QStringLiteral("Close"));
}

void DemoFrame::showAbout()
{
    frmAbout::showModal(m_window.windowWidget(), m_program);
}

void DemoFrame::visitWebPage()
{
    ModBrowse::OpenWebPage(m_window.windowWidget(), ModBrowse::SuiteWebPage);
}

void DemoFrame::buildMenus(QMainWindow &window)
{
    const MenuCaptions &captions = m_description.menus;
    QMenuBar *bar = window.menuBar();

    QMenu *datei = bar->addMenu(captions.datei);
    datei->setObjectName(QStringLiteral("menDatei"));
    auto item = [&window](QMenu *menu, const QString &name, const QString &caption, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, &window, handler);
        return action;
    };
    item(datei, QStringLiteral("menOpen"), captions.open, [this] { loadSettings(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    item(datei, QStringLiteral("menSave"), captions.save, [this] { saveSettings(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    item(datei, QStringLiteral("menExport"), captions.exportWave, [this] { exportWave(); });
    datei->addSeparator()->setObjectName(captions.separatorName);
    item(datei, QStringLiteral("menQuit"), captions.quit, [&window] { window.close(); });

    QMenu *qmark = bar->addMenu(QStringLiteral("&?"));
    qmark->setObjectName(QStringLiteral("menQMark"));
    item(qmark, QStringLiteral("menVisit"), captions.visit, [this] { visitWebPage(); });
    item(qmark, captions.aboutName, captions.about, [this] { showAbout(); });
}

} // namespace demos
