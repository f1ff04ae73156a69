#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace zanter {

// Raised with every release of Zanter.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Zanter"), 1, 0, 0, programIcon("zanter")};
}

// File name, False, True, "Sound"; "Close" on unload; redrawn before play; a 10-byte record.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription zanter{
        {{false, false, false}, true, true, TonePath::Pointer::Hourglass},
        {QStringLiteral("&Datei"), QStringLiteral("&Öffnen..."), QStringLiteral("&Speichern..."),
         QStringLiteral("Speichern als &Wave-Datei..."), QStringLiteral("menLine"), QStringLiteral("Beenden"),
         QStringLiteral("\"velmora\" besuchen..."), QStringLiteral("menAbout"), QStringLiteral("Info über Zanter...")},
        demos::SettingsAccess::Binary,
        10};
    return zanter;
}

} // namespace zanter
