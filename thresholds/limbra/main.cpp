#include "LimbraInfo.h"
#include "UCLimbra.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(limbra::programInfo());
    FormMain window(limbra::windowOptions(), new limbra::UCLimbra(limbra::panelOptions()));
    EndProgram(runMainWindow(window));
}
