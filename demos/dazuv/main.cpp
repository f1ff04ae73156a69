#include "DazuvInfo.h"
#include "Form1.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(dazuv::programInfo());
    dazuv::Form1 window;
    window.show();
    EndProgram(app.exec());
}
