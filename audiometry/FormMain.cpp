#include "FormMain.h"

#include "WizardPages.h"
#include "common/ModBrowse.h"
#include "common/frmAbout.h"
#include "platform/WindowPlacement.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using platform::setTwipsGeometry;

FormMain::FormMain(Options options, QWidget *panel)
    : QMainWindow(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint)
    , m_options(std::move(options))
    , m_panel(panel)
{
    const ProgramInfo &program = m_options.program;
    setWindowTitle(m_options.caption.isEmpty() ? program.title : m_options.caption);
    if (!program.icon.isNull())
        setWindowIcon(program.icon);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    const QSize clientTwips = m_options.clientTwips;
    client->setFixedSize(platform::twipsRect(0, 0, clientTwips.width(), clientTwips.height()).size());
    panel->setParent(client);
    const QRect place = m_options.panelTwips;
    setTwipsGeometry(panel, place.x(), place.y(), place.width(), place.height());
    if (m_options.quitButton) {
        Command1 = new QPushButton(QStringLiteral("Beenden"), client);
        setTwipsGeometry(Command1, 7080, 4800, 1815, 375);
        // the button lies inside the panel's area and must stay on top of it
        Command1->raise();
        connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    }

    menDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    menPref = menDatei->addAction(m_options.pref.caption);
    menPref->setShortcut(m_options.pref.shortcut);
    menDatei->addSeparator();
    menQuit = menDatei->addAction(m_options.quit.caption);
    menQuit->setShortcut(m_options.quit.shortcut);
    menQMark = menuBar()->addMenu(QStringLiteral("&?"));
    menVisit = menQMark->addAction(QStringLiteral("\"velmora\" besuchen..."));
    menAbout = menQMark->addAction(m_options.aboutCaption);
    connect(menPref, &QAction::triggered, this, [this] { menPref_Click(); });
    connect(menQuit, &QAction::triggered, this, [this] { menQuit_Click(); });
    connect(menVisit, &QAction::triggered, this, [this] { menVisit_Click(); });
    connect(menAbout, &QAction::triggered, this, [this] { menAbout_Click(); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormMain::Form_Load()
{
    if (m_options.calibrateAtStart)
        m_options.calibrateAtStart();
    // the frame is what is centred, title bar included
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && m_options.centred) {
        adjustSize();
        platform::showFramed(*this, [centre = screen->availableGeometry().center()](QSize frame) {
            return platform::centredOn(centre, frame);
        });
    } else {
        show();
    }
    if (m_options.calibrateAtStart)
        WizardPages::showModal(m_options.firstPage(), this);
}

void FormMain::Form_Unload()
{
    for (const auto &unload : m_options.unload)
        unload();
}

void FormMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void FormMain::Command1_Click()
{
    close();
}

void FormMain::menQuit_Click()
{
    close();
}

void FormMain::menPref_Click()
{
    WizardPages::showModal(m_options.firstPage(), this);
}

void FormMain::menAbout_Click()
{
    frmAbout::showModal(this, m_options.program);
}

void FormMain::menVisit_Click()
{
    ModBrowse::OpenWebPage(this, ModBrowse::SuiteWebPage);
}

int runMainWindow(FormMain &window)
{
    window.Form_Load();
    // the calibration pages may have been closed together with the window
    if (!window.isVisible())
        return 0;
    const int result = QCoreApplication::exec();
    // the unloaded calibration pages go before the application does
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
