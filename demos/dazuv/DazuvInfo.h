#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace dazuv {

// Raised with every release of Dazuv.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Dazuv"), 1, 0, 0, programIcon("dazuv")};
}

// File name, False, True, "Sound"; "Close" on unload; a 6-byte record.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription dazuv{
        {{false, false, false}, true, false, TonePath::Pointer::Hourglass},
        {QStringLiteral("&Datei"), QStringLiteral("&Öffnen..."), QStringLiteral("&Speichern..."),
         QStringLiteral("Speichern als &Wave-Datei..."), QStringLiteral("menLine1"), QStringLiteral("Beenden"),
         QStringLiteral("\"velmora\" besuchen..."), QStringLiteral("menAbout"), QStringLiteral("Info über Dazuv...")},
        demos::SettingsAccess::Binary,
        6};
    return dazuv;
}

} // namespace dazuv
