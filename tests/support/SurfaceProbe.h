#pragma once

#include "platform/DrawingSurface.h"

namespace testing_support {

// How the surface would draw the next line that names no colour of its own: in its foreground
// colour and its current width. Drawn on a copy, so the surface stays as it was.
inline platform::DrawnPrimitive nextLine(const platform::DrawingSurface &surface)
{
    platform::DrawingSurface probe = surface;
    probe.setChangedCallback({});
    probe.line(QPointF(), QPointF());
    return probe.primitives().constLast();
}

} // namespace testing_support
