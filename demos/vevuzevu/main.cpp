#include "CSpektrum.h"
#include "VevuzevuInfo.h"

#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(vevuzevu::programInfo());
    vevuzevu::CSpektrum window;
    window.show();
    EndProgram(app.exec());
}
