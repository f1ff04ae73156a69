#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace rozurovev {

// Raised with every release of Rozurovev.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Rozurovev"), 1, 0, 0, programIcon("rozurovev")};
}

// File name, False, True, "Open", "Sound", "Close"; nothing on unload; record 1 of a file of
// 10-byte records.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription rozurovev{
        {{false, true, true}, false, false, TonePath::Pointer::Hourglass},
        {QStringLiteral("Datei"), QStringLiteral("Öffnen"), QStringLiteral("&Speichern"),
         QStringLiteral("Speichern als &Wave-Datei"), QStringLiteral("menLine1"), QStringLiteral("Beenden"),
         QStringLiteral("\"velmora\" &besuchen"), QStringLiteral("menInfo"), QStringLiteral("Über \"Rozurovev\"")},
        demos::SettingsAccess::Random,
        10};
    return rozurovev;
}

} // namespace rozurovev
