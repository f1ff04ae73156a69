#include "ProgramStart.h"

#include <QApplication>

void StartProgram(const ProgramInfo &program)
{
    // the display name would be appended to every caption on Linux desktops
    QApplication::setApplicationName(program.title);
    if (!program.icon.isNull())
        QApplication::setWindowIcon(program.icon);
}
