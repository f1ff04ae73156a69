#pragma once

#include "audiometry/DialogPref2.h"
#include "common/ProgramInfo.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

// Who the program is, for its window and its About dialog.
namespace Zezevav {

inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Zezevav"), 2, 1, 0, QIcon()};
}

inline const QString AboutCaption = QStringLiteral("Über \"Zidero\"...");

// Every test tone is built on the calibrated reference amplitude of the last wizard page.
inline std::int32_t referenceAmplitude()
{
    return DialogPref2::instance().TestValue;
}

// The panel fills the window; "Beenden" lies in its bottom row.
inline constexpr QRect PanelTwips(0, 0, 9375, 5775);
inline constexpr QSize ClientTwips(9375, 5775);

} // namespace Zezevav
