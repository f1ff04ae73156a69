#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace rozurovev {

// Raised with every release of Rozurovev.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Rozurovev"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("rozurovev")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription rozurovev{
        .play = {.sequence = {.setsDeviceType = false, .opensDevice = true, .closesAfterSound = true},
                 .closesOnUnload = false,
                 .redrawsBeforePlay = false,
                 .pointer = TonePath::Pointer::Hourglass},
        .menus = {.datei = QStringLiteral("Datei"),
                  .open = QStringLiteral("Öffnen"),
                  .save = QStringLiteral("&Speichern"),
                  .exportWave = QStringLiteral("Speichern als &Wave-Datei"),
                  .separatorName = QStringLiteral("menLine1"),
                  .quit = QStringLiteral("Beenden"),
                  .visit = QStringLiteral("\"velmora\" &besuchen"),
                  .aboutName = QStringLiteral("menInfo"),
                  .about = QStringLiteral("Über \"Rozurovev\"")},
        .settingsAccess = demos::SettingsAccess::Random,
        .recordLength = 10};
    return rozurovev;
}

} // namespace rozurovev
