#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace vevuzevu {

// Raised with every release of Vevuzevu.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Vevuzevu"), 1, 0, 0, programIcon("vevuzevu")};
}

// File name, False, True, "Sound" alone; "Close" when the window goes; a 12-byte record.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription vevuzevu{
        {{false, false, false}, true, false, TonePath::Pointer::Hourglass},
        {QStringLiteral("&Datei"), QStringLiteral("&Öffnen..."), QStringLiteral("&Speichern..."),
         QStringLiteral("Speichern als &Wave-Datei..."), QStringLiteral("menLine1"), QStringLiteral("Beenden"),
         QStringLiteral("\"velmora\" besuchen..."), QStringLiteral("MenAbout"), QStringLiteral("Über \"Vevuzevu\"...")},
        demos::SettingsAccess::Binary,
        12};
    return vevuzevu;
}

} // namespace vevuzevu
