#pragma once

#include "common/ProgramInfo.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QRect>

#include <functional>
#include <vector>

class QAction;
class QPushButton;

// The main window of a listening test: its panel, "Beenden", the "Datei" and "?" menus, and
// the calibration pages from the menu, at start too where the program calibrates first.
class FormMain : public QMainWindow {
    Q_OBJECT
public:
    struct MenuItem {
        QString caption;
        QKeySequence shortcut;
    };

    // What differs between the programs that use this window.
    struct Options {
        ProgramInfo program;
        QString caption;       // the window's caption; the program's title when empty
        QString aboutCaption;  // "Über \"Zidero\"..."
        QRect panelTwips;      // the panel's place in the window
        QSize clientTwips;     // the size inside the frame and the menu bar
        bool centred = false;  // on the screen, rather than where the platform puts it
        bool quitButton = true;
        MenuItem pref{QStringLiteral("Voreinstellungen..."), QKeySequence(Qt::CTRL | Qt::Key_P)};
        MenuItem quit{QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q)};
        // The first calibration page, loaded on first use; shown modally by "Voreinstellungen...".
        std::function<QWidget *()> firstPage;
        // Work before the window shows at start (loading a page, setting its value); when
        // set, the calibration pages follow at once, modally over the window.
        std::function<void()> calibrateAtStart;
        // Unloads what the window's going takes with it, in order.
        std::vector<std::function<void()>> unload;
    };

    // `panel` becomes the window's own.
    FormMain(Options options, QWidget *panel);

    QWidget *panel() const { return m_panel; }
    QPushButton *Command1 = nullptr;  // only where the program has a quit button
    QMenu *menDatei;
    QAction *menPref;
    QAction *menQuit;
    QMenu *menQMark;
    QAction *menVisit;
    QAction *menAbout;

    // Shows the window and, where the program calibrates first, runs the calibration pages
    // over it; returns when they have ended.
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void menQuit_Click();
    void menPref_Click();
    void menAbout_Click();
    void menVisit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Options m_options;
    QWidget *m_panel;
};

// Runs a listening test's main window: its start-up, then the event loop; returns the exit code.
int runMainWindow(FormMain &window);
