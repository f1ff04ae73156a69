#include "DemoMainWindow.h"

#include <QCloseEvent>

namespace demos {

DemoMainWindow::DemoMainWindow(const DemoDescription &description, ProgramInfo program, QWidget *parent)
    : QMainWindow(parent)
    , m_frame(description, std::move(program), *this)
{
}

void DemoMainWindow::closeEvent(QCloseEvent *event)
{
    m_frame.unload();
    QMainWindow::closeEvent(event);
}

} // namespace demos
