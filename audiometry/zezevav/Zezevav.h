#pragma once

#include "audiometry/CalibrationPages.h"
#include "audiometry/FormMain.h"
#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"

// Who the program is, for its window and its About dialog.
namespace Zezevav {

inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Zezevav"), 2, 1, 0, programIcon("zezevav")};
}

// The panel fills the window; "Beenden" lies in its bottom row.
inline FormMain::Options windowOptions()
{
    FormMain::Options options;
    options.program = programInfo();
    options.aboutCaption = QStringLiteral("Über \"Zidero\"...");
    options.panelTwips = QRect(0, 0, 9375, 5775);
    options.clientTwips = QSize(9375, 5775);
    CalibrationPages::attach(options);
    return options;
}

} // namespace Zezevav
