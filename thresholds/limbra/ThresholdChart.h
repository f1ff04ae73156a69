#pragma once

#include "platform/DrawingSurface.h"

#include <QColor>

#include <array>

namespace limbra {

// What the hearing-threshold chart draws over whatever the surface already shows; nothing is
// cleared, so each call puts the grid over what is there.
namespace ThresholdChart {

using Levels = std::array<float, 12>;

inline const QColor MeasuredLineColor(0, 0, 255);
inline const QColor CircleColor(255, 0, 0);

// Grid, then the measured levels from the 10 Hz point (levels[0]) on: blue line, red circles.
void drawThresholdCurve(platform::DrawingSurface &surface, const Levels &levels);
// Grid, then the normal threshold, all red.
void drawNormalCurve(platform::DrawingSurface &surface);

} // namespace ThresholdChart

} // namespace limbra
