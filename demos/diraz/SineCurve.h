#pragma once

namespace platform {
class DrawingSurface;
}

// Two milliseconds of the sine on `box`: axes, then the curve in blue from the amplitude axis
// at x = 10 to x = W - 10, its peak 0.9 × amplitudeStep / 10 of half the box height.
void DrawSineCurve(platform::DrawingSurface &box, int amplitudeStep, int frequency);
