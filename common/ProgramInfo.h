#pragma once

#include <QIcon>
#include <QString>

// What a program tells its About dialog about itself.
struct ProgramInfo {
    QString title;  // "Zezevav"
    int major = 1;
    int minor = 0;
    int revision = 0;
    QIcon icon;  // may be null
};
