#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace vevuzevu {

// Raised with every release of Vevuzevu.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Vevuzevu"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("vevuzevu")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription vevuzevu{
        .play = {.sequence = {.setsDeviceType = false, .opensDevice = false, .closesAfterSound = false},
                 .closesOnUnload = true,
                 .redrawsBeforePlay = false,
                 .pointer = TonePath::Pointer::Hourglass},
        .menus = {.datei = QStringLiteral("&Datei"),
                  .open = QStringLiteral("&Öffnen..."),
                  .save = QStringLiteral("&Speichern..."),
                  .exportWave = QStringLiteral("Speichern als &Wave-Datei..."),
                  .separatorName = QStringLiteral("menLine1"),
                  .quit = QStringLiteral("Beenden"),
                  .visit = QStringLiteral("\"velmora\" besuchen..."),
                  .aboutName = QStringLiteral("MenAbout"),
                  .about = QStringLiteral("Über \"Vevuzevu\"...")},
        .settingsAccess = demos::SettingsAccess::Binary,
        .recordLength = 12};
    return vevuzevu;
}

} // namespace vevuzevu
