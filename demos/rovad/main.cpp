#include "Form1.h"
#include "RovadInfo.h"

#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(rovad::programInfo());
    rovad::Form1 window;
    window.show();
    EndProgram(app.exec());
}
