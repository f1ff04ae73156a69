#include "KolivaInfo.h"
#include "Eingabe.h"
#include "common/ProgramStart.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StartProgram(koliva::programInfo());
    koliva::Eingabe window;
    window.show();
    EndProgram(app.exec());
}
