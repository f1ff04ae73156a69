#include "FormMain.h"

#include "DialogPref.h"
#include "DialogPref1.h"
#include "DialogPref2.h"
#include "WizardPages.h"
#include "common/ModBrowse.h"
#include "common/frmAbout.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

using platform::setTwipsGeometry;

FormMain::FormMain(const ProgramInfo &program, const QString &aboutCaption, QWidget *panel, QRect panelTwips,
                   QSize clientTwips)
    : QMainWindow(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint)
    , m_program(program)
    , m_panel(panel)
{
    setWindowTitle(program.title);
    if (!program.icon.isNull())
        setWindowIcon(program.icon);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(platform::twipsRect(0, 0, clientTwips.width(), clientTwips.height()).size());
    panel->setParent(client);
    setTwipsGeometry(panel, panelTwips.x(), panelTwips.y(), panelTwips.width(), panelTwips.height());
    Command1 = new QPushButton(QStringLiteral("Beenden"), client);
    setTwipsGeometry(Command1, 7080, 4800, 1815, 375);
    // the button lies inside the panel's area and must stay on top of it
    Command1->raise();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    menDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    menPref = menDatei->addAction(QStringLiteral("Voreinstellungen..."));
    menPref->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    menDatei->addSeparator();
    menQuit = menDatei->addAction(QStringLiteral("&Beenden"));
    menQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menQMark = menuBar()->addMenu(QStringLiteral("&?"));
    menVisit = menQMark->addAction(QStringLiteral("\"velmora\" besuchen..."));
    menAbout = menQMark->addAction(aboutCaption);
    connect(menPref, &QAction::triggered, this, [this] { menPref_Click(); });
    connect(menQuit, &QAction::triggered, this, [this] { menQuit_Click(); });
    connect(menVisit, &QAction::triggered, this, [this] { menVisit_Click(); });
    connect(menAbout, &QAction::triggered, this, [this] { menAbout_Click(); });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormMain::Form_Load()
{
    DialogPref2::instance();
    DialogPref2::instance().TestValue = DefaultTestValue;
    show();
    WizardPages::showModal(&DialogPref::instance(), this);
}

void FormMain::Form_Unload()
{
    DialogPref2::unload();
    DialogPref1::unload();
    DialogPref::unload();
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
    WizardPages::showModal(&DialogPref::instance(), this);
}

void FormMain::menAbout_Click()
{
    frmAbout::showModal(this, m_program);
}

void FormMain::menVisit_Click()
{
    ModBrowse::OpenWebPage(this, ModBrowse::SuiteWebPage);
}
