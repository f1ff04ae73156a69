#pragma once

#include "common/TonePath.h"

#include <QString>

namespace demos {

// How a program drives its multimedia control around "Sound".
struct PlayVariant {
    PlaySequence sequence;           // the commands around "Sound"
    bool closesOnUnload = false;     // "Close" when the window goes
    bool redrawsBeforePlay = false;  // the plot is drawn anew before the sound is made
    TonePath::Pointer pointer = TonePath::Pointer::Hourglass;
};

// Rozurovev writes its record as record 1 of a file of fixed-length records; the others write
// their record as plain bytes.
enum class SettingsAccess { Binary, Random };

// Captions with their access keys ("&Datei"); empty names where a program has no menus.
struct MenuCaptions {
    QString datei;
    QString open;
    QString save;
    QString exportWave;
    QString separatorName;  // "menLine1", Zanter "menLine"
    QString quit;
    QString visit;
    QString aboutName;      // "MenAbout", "MenInfo", "menAbout" or "menInfo"
    QString about;
};

// What sets one demonstration program apart for the frame; each program keeps its own beside
// its ProgramInfo.
struct DemoDescription {
    PlayVariant play;
    MenuCaptions menus;
    SettingsAccess settingsAccess = SettingsAccess::Binary;
    int recordLength = 0;  // bytes of the settings record; 0 when its length varies (Rovad)
};

} // namespace demos
