#pragma once

#include "common/ProgramInfo.h"

// Raised with every release of Diraz.
inline ProgramInfo dirazProgramInfo()
{
    return ProgramInfo{QStringLiteral("Diraz"), 1, 0, 0, QIcon()};
}
