#pragma once

namespace platform {
class DrawingSurface;
}

namespace rozurovev {

// One second of the envelope of a beat of `beat` Hz on `box`, its width standing for the second:
// the time axis and the middle line, the upper curve (red, 2 pixels) and the lower curve (light
// red) at ± level / 10 of half the box height, and the space between them filled column by column.
void DrawBeatEnvelope(platform::DrawingSurface &box, float beat, int level);

} // namespace rozurovev
