#pragma once

#include "common/ProgramInfo.h"

#include <QRect>
#include <QSize>
#include <QString>

// Who the program is, for its window and its About dialog.
namespace Zezevav {

inline ProgramInfo programInfo()
{
    return ProgramInfo{QStringLiteral("Zezevav"), 2, 1, 0, QIcon()};
}

inline const QString AboutCaption = QStringLiteral("Über \"Zidero\"...");

// The panel fills the window; "Beenden" lies in its bottom row.
inline constexpr QRect PanelTwips(0, 0, 9375, 5775);
inline constexpr QSize ClientTwips(9375, 5775);

} // namespace Zezevav
