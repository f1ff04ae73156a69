#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace koliva {

// Raised with every release of Koliva.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Koliva"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("koliva")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription koliva{
        .play = {.sequence = {.setsDeviceType = true, .opensDevice = true, .closesAfterSound = true},
                 .closesOnUnload = false,
                 .redrawsBeforePlay = true,
                 .pointer = TonePath::Pointer::Hourglass},
        .menus = {.datei = QStringLiteral("&Datei"),
                  .open = QStringLiteral("&Öffnen"),
                  .save = QStringLiteral("&Speichern"),
                  .exportWave = QStringLiteral("Speichern als &Wave-Datei"),
                  .separatorName = QStringLiteral("menLine1"),
                  .quit = QStringLiteral("&Beenden"),
                  .visit = QStringLiteral("\"velmora\" &besuchen..."),
                  .aboutName = QStringLiteral("menInfo"),
                  .about = QStringLiteral("Über \"Koliva\"")},
        .settingsAccess = demos::SettingsAccess::Binary,
        .recordLength = 10};
    return koliva;
}

} // namespace koliva
