#pragma once

#include "DialogPref1.h"
#include "DialogPref2.h"
#include "UCVarnik.h"
#include "audiometry/FormMain.h"
#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"

namespace varnik {

// Raised with every release of Varnik.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Varnik"), 1, 0, 0, programIcon("varnik")};
}

// Form1: no quit button and no calibration at start; the level pages from the menu only.
inline FormMain::Options windowOptions()
{
    FormMain::Options options;
    options.program = programInfo();
    options.caption = QStringLiteral("Eben wahrnehmbare Frequenzunterschiede");
    options.aboutCaption = QStringLiteral("Über \"Varnik\"...");
    options.panelTwips = QRect(0, 120, 9135, 5295);
    options.clientTwips = QSize(9240, 5490);
    options.quitButton = false;
    options.pref = {QStringLiteral("Voreinstellungen..."), QKeySequence()};
    options.quit = {QStringLiteral("Beenden"), QKeySequence()};
    options.firstPage = [] { return &DialogPref1::instance(); };
    options.unload = {&DialogPref2::unload, &DialogPref1::unload};
    return options;
}

// The program's panel: hourglass while a tone is made, "Close" after the 50 Hz tones.
inline UCVarnik::Options panelOptions()
{
    return UCVarnik::Options{&DialogPref2::level, TonePath::Policy{ModPlay::SoundOnly}, true};
}

} // namespace varnik
