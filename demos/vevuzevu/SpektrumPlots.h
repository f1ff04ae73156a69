#pragma once

#include "ModSpektrum.h"

#include <QColor>

namespace platform {
class DrawingSurface;
}

namespace vevuzevu {

// Harmonics 1 to 4 in green, blue, cyan and magenta in both plots; the sum in red.
extern const QColor HarmonicColors[4];
extern const QColor SumColor;

// One period of each partial and, two pixels wide, of their sum, each at 95 % of its height;
// the sum scaled to the box's half height when its peak passes H/2 + 10.
void DrawTimeFunctions(platform::DrawingSurface &box, const SpektrumAmplitudes &amplitudes);

// A bar per harmonic at x = 45, 80, 115, 150 with a marker and a dotted level line at the
// amplitude in pixels.
void DrawSpectrumLines(platform::DrawingSurface &box, const SpektrumAmplitudes &amplitudes);

} // namespace vevuzevu
