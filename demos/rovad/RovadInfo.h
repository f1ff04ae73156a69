#pragma once

#include "KlangPanel.h"

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace rovad {

// Raised with every release of Rovad.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Rovad"), 1, 0, 0, programIcon("rovad")};
}

// Device type, file name, False, True, "Open", "Sound", "Close"; nothing on unload; a record
// whose length follows its text.
inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription rovad{
        {KlangSequence, false, false, TonePath::Pointer::Hourglass},
        {QStringLiteral("Datei"), QStringLiteral("&Öffnen..."), QStringLiteral("&Speichern..."),
         QStringLiteral("Speichern als &Wave-Datei..."), QStringLiteral("menLine1"), QStringLiteral("Beenden"),
         QStringLiteral("velmora &besuchen..."), QStringLiteral("MenInfo"), QStringLiteral("Über \"Rovad\"...")},
        demos::SettingsAccess::Binary,
        0};
    return rovad;
}

} // namespace rovad
