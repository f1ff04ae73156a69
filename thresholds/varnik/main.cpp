#include "VarnikInfo.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(varnik::programInfo());
    FormMain window(varnik::windowOptions(), new varnik::UCVarnik(varnik::panelOptions()));
    EndProgram(runMainWindow(window));
}
