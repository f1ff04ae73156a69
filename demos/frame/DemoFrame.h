#pragma once

#include "DemoDescription.h"
#include "DemoWindow.h"

#include "common/ProgramInfo.h"
#include "platform/DesignControls.h"

#include <functional>

class QMainWindow;
class QMenuBar;
class QWidget;

namespace demos {

class DemoWindow;

// Gives `window` its caption, the design font and a client area of the layout's size in twips,
// on which the controls are then placed.
QWidget *makeClientArea(QMainWindow &window, const QString &caption, QSize twips,
                        platform::DesignFace face = platform::DesignFace::Regular);

// Play, export, settings, menus, quit, About and web page, shared by the demonstration
// windows. The window forwards its buttons and menu commands here.
class DemoFrame {
public:
    DemoFrame(const DemoDescription &description, ProgramInfo program, DemoWindow &window);

    void play();
    void exportWave();
    void saveSettings();
    void loadSettings();
    // The window is going: a program that keeps its device open closes it now.
    void unload();
    void showAbout();
    void visitWebPage();

    // The "Datei" and "&?" menus on the window's menu bar, wired to the handlers above; quitting
    // closes the window.
    void buildMenus(QMainWindow &window);

    static const QString InvalidSettingsMessage;

private:
    // Tells the user why the window refuses `use`; true when it does.
    bool refused(DemoWindow::Use use);
    // Runs `work` under the hourglass; a failure is reported in a German message naming the
    // file and the reason, with the pointer restored, and the program carries on.
    void underHourglass(const std::function<void()> &work);

    DemoDescription m_description;
    ProgramInfo m_program;
    DemoWindow &m_window;
};

} // namespace demos
