#pragma once

#include "modKlang.h"

#include <QColor>

namespace platform {
class DrawingSurface;
}

namespace rovad {

extern const QColor PlotColor;

// One period of the sum of the fifteen harmonics in blue, the amplitude in percent taken as a
// height in pixels; scaled to touch the edges when its peak passes half the height.
void DrawTimeFunction(platform::DrawingSurface &box, const KlangAmplitudes &amplitudes);

// Fifteen blue bars at x = 25, 43, …, 277, 2.5 units per percent, each topped by a black dot in
// a blue ring, in units of the box's width both ways.
void DrawSpectrum(platform::DrawingSurface &box, const KlangAmplitudes &amplitudes);

} // namespace rovad
