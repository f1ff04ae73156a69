#pragma once

#include "platform/DrawingSurface.h"

#include <array>

// What the audiogram draws over whatever the surface already shows; nothing is cleared.
namespace Audiogram {

using Levels = std::array<float, 12>;

inline const QColor RightEarColor(255, 0, 0);
inline const QColor LeftEarColor(0, 0, 255);
inline const QColor NormalCurveColor(50, 240, 20);

// Both frequency and level grid, pen width 1 before and after.
void drawGrid(platform::DrawingSurface &surface);
// Grid, then frequency by frequency the right ear's step and the left ear's over it.
void drawHearingCurves(platform::DrawingSurface &surface, const Levels &right, const Levels &left);
// Grid, then the normal hearing threshold.
void drawNormalCurve(platform::DrawingSurface &surface);

} // namespace Audiogram
