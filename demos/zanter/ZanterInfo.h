#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace zanter {

// Raised with every release of Zanter.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Zanter"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("zanter")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription zanter{
        .play = {.sequence = {.setsDeviceType = false, .opensDevice = false, .closesAfterSound = false},
                 .closesOnUnload = true,
                 .redrawsBeforePlay = true,
                 .pointer = TonePath::Pointer::Hourglass},
        .menus = {.datei = QStringLiteral("&Datei"),
                  .open = QStringLiteral("&Öffnen..."),
                  .save = QStringLiteral("&Speichern..."),
                  .exportWave = QStringLiteral("Speichern als &Wave-Datei..."),
                  .separatorName = QStringLiteral("menLine"),
                  .quit = QStringLiteral("Beenden"),
                  .visit = QStringLiteral("\"velmora\" besuchen..."),
                  .aboutName = QStringLiteral("menAbout"),
                  .about = QStringLiteral("Info über Zanter...")},
        .settingsAccess = demos::SettingsAccess::Binary,
        .recordLength = 10};
    return zanter;
}

} // namespace zanter
