#include "DirazInfo.h"
#include "Eingabe.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(dirazProgramInfo().title);
    Eingabe window;
    window.show();
    return app.exec();
}
