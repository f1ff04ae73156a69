#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace diraz {

// Raised with every release of Diraz.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Diraz"), 1, 0, 0, programIcon("diraz")};
}

// File name, False, True, "Open", "Sound", "Close"; no "Close" on unload; a 6-byte record.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription diraz{
        {{false, true, true}, false, false, TonePath::Pointer::Hourglass},
        {QStringLiteral("&Datei"), QStringLiteral("Öffnen..."), QStringLiteral("&Speichern..."),
         QStringLiteral("Speichern als &Wave-Datei..."), QStringLiteral("menLine1"), QStringLiteral("Beenden"),
         QStringLiteral("\"velmora\" &besuchen..."), QStringLiteral("menInfo"), QStringLiteral("Über \"Diraz\"...")},
        demos::SettingsAccess::Binary,
        6};
    return diraz;
}

} // namespace diraz
