#pragma once

#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"
#include "demos/frame/DemoDescription.h"

namespace dazuv {

// Raised with every release of Dazuv.
inline ProgramInfo programInfo()
{
    return ProgramInfo{.title = QStringLiteral("Dazuv"),
                       .major = 1, .minor = 0, .revision = 0, .icon = programIcon("dazuv")};
}

inline const demos::DemoDescription &description()
{
    static const demos::DemoDescription dazuv{
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
                  .aboutName = QStringLiteral("menAbout"),
                  .about = QStringLiteral("Info über Dazuv...")},
        .settingsAccess = demos::SettingsAccess::Binary,
        .recordLength = 6};
    return dazuv;
}

} // namespace dazuv
