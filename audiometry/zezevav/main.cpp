#include "Zezevav.h"
#include "audiometry/CalibrationPages.h"
#include "audiometry/UCHTest.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(Zezevav::programInfo());
    FormMain window(Zezevav::windowOptions(), new UCHTest(CalibrationPages::referenceAmplitude));
    EndProgram(runMainWindow(window));
}
