#pragma once

#include "audiometry/CalibrationPages.h"
#include "audiometry/FormMain.h"
#include "audiometry/PanelOptions.h"
#include "common/ProgramIcon.h"
#include "common/ProgramInfo.h"

namespace limbra {

// Raised with every release of Limbra.
inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Davazidizid"), 2, 2, 4, programIcon("limbra")};
}

// Zezevav's window around the threshold panel, centred; the panel's lowest row of twips lies
// below the window's edge.
inline FormMain::Options windowOptions()
{
    FormMain::Options options;
    options.program = programInfo();
    options.aboutCaption = QStringLiteral("Über \"Davazidizid\"...");
    options.panelTwips = QRect(0, 0, 9135, 5655);
    options.clientTwips = QSize(9180, 5325);
    options.centred = true;
    CalibrationPages::attach(options);
    return options;
}

// Tones at the calibrated reference, the hourglass meanwhile, "Close" after each tone and when
// the panel goes, the temporary file deleted.
inline PanelOptions panelOptions()
{
    PanelOptions options;
    options.level = CalibrationPages::referenceAmplitude;
    options.tone = TonePath::Policy{ModPlay::SoundThenClose, TonePath::Pointer::Hourglass,
                                    TonePath::File::PrivateTemporary};
    options.closesOnDestroy = true;
    return options;
}

} // namespace limbra
