#include "RozurovevInfo.h"
#include "frmMain.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(rozurovev::programInfo());
    rozurovev::frmMain window;
    window.show();
    EndProgram(app.exec());
}
