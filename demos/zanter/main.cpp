#include "ZanterInfo.h"
#include "Form1.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(zanter::programInfo());
    zanter::Form1 window;
    window.show();
    EndProgram(app.exec());
}
