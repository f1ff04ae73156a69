#pragma once

#include "common/ProgramInfo.h"

#include <QString>

// Who the program is, for its window and its About dialog.
namespace Zezevav {

inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Zezevav"), 2, 1, 0, QIcon()};
}

inline const QString AboutCaption = QStringLiteral("Über \"Zidero\"...");

} // namespace Zezevav
