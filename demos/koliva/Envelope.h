#pragma once

namespace platform {
class DrawingSurface;
}

namespace koliva {

// One second of the envelope across `box`, y up from the middle: lower and upper envelope in
// blue with a pale hatch between them, the axes, and dotted lines at the unmodulated amplitude
// and at the upper envelope's highest and lowest point. `depth` is m × 10, `frequency` fmod.
void DrawEnvelope(platform::DrawingSurface &box, int depth, int frequency);

} // namespace koliva
