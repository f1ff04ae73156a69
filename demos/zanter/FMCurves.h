#pragma once

namespace platform {
class DrawingSurface;
}

namespace zanter {

// One period of the modulating wave across `box`: the middle line, a blue wave of 30 carrier
// periods with modulation index 2 × depth, and the red modulating wave at depth/15 of half the
// height. `depth` is Amod × 10.
void DrawFMCurves(platform::DrawingSurface &box, int depth);

} // namespace zanter
