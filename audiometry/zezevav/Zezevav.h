#pragma once

#include "common/ProgramInfo.h"

#include <QString>

// Who the program is, for its window and its About dialog.
namespace Zezevav {

inline ProgramInfo programInfo()
{
    ProgramInfo info;
    info.title = QStringLiteral("Zezevav");
    info.major = 2;
    info.minor = 1;
    info.revision = 0;
    return info;
}

inline const QString AboutCaption = QStringLiteral("Über \"Zidero\"...");

} // namespace Zezevav
