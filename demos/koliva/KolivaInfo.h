#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace koliva {

// Raised with every release of Koliva.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Koliva"), 1, 0, 0, programIcon("koliva")};
}

// "WaveAudio", file name, False, True, "Open", "Sound", "Close"; nothing on unload; redrawn
// before play; Zanter's 10-byte record.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription koliva{
        {{true, true, true}, false, true, TonePath::Pointer::Hourglass},
        {QStringLiteral("&Datei"), QStringLiteral("&Öffnen"), QStringLiteral("&Speichern"),
         QStringLiteral("Speichern als &Wave-Datei"), QStringLiteral("menLine1"), QStringLiteral("&Beenden"),
         QStringLiteral("\"velmora\" &besuchen..."), QStringLiteral("menInfo"), QStringLiteral("Über \"Koliva\"")},
        demos::SettingsAccess::Binary,
        10};
    return koliva;
}

} // namespace koliva
