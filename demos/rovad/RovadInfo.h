#pragma once

#include "KlangPanel.h"

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace rovad {

// Raised with every release of Rovad.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Rovad"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("rovad")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription rovad{
        .play = {.sequence = KlangSequence,
                 .closesOnUnload = false,
                 .redrawsBeforePlay = false,
                 .pointer = TonePath::Pointer::Hourglass},
        .menus = {.datei = QStringLiteral("Datei"),
                  .open = QStringLiteral("&Öffnen..."),
                  .save = QStringLiteral("&Speichern..."),
                  .exportWave = QStringLiteral("Speichern als &Wave-Datei..."),
                  .separatorName = QStringLiteral("menLine1"),
                  .quit = QStringLiteral("Beenden"),
                  .visit = QStringLiteral("velmora &besuchen..."),
                  .aboutName = QStringLiteral("MenInfo"),
                  .about = QStringLiteral("Über \"Rovad\"...")},
        .settingsAccess = demos::SettingsAccess::Binary,
        .recordLength = 0};
    return rovad;
}

} // namespace rovad
