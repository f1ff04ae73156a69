#pragma once

#include "DemoFrame.h"
#include "DemoWindow.h"

#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QMainWindow>

namespace demos {

// What every demonstration window is made of: the frame with its menus, play and files, and the
// frame's unload when the window goes. A window adds its controls and handlers.
class DemoMainWindow : public QMainWindow, public DemoWindow {
    Q_OBJECT
public:
    DemoFrame &frame() { return m_frame; }

    // DemoWindow
    QWidget *windowWidget() override { return this; }

protected:
    DemoMainWindow(const DemoDescription &description, ProgramInfo program, QWidget *parent);

    // whatever closes the window, the description's "Close" on unload holds
    void closeEvent(QCloseEvent *event) override;

    DemoFrame m_frame;
};

// A demonstration window that sites its own multimedia control and fills its own wave format.
class DemoDeviceWindow : public DemoMainWindow {
    Q_OBJECT
public:
    platform::MMControl &multimediaControl() override { return MMControl1; }

    platform::MMControl MMControl1;

protected:
    using DemoMainWindow::DemoMainWindow;

    WaveFormat m_waveFormat;
};

} // namespace demos
