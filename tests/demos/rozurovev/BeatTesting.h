#pragma once

// What Rozurovev's plot tests and window tests read from the beat envelope, without widgets.

#include "demos/PlotPrimitives.h"

#include "platform/DrawingSurface.h"

#include <QColor>

#include <cmath>
#include <vector>

namespace demo_tests {

inline const QColor UpperCurve(255, 0, 0);
inline const QColor LowerCurve(255, 100, 100);
inline const QColor Filling(240, 255, 255);

inline double axisOf(const platform::DrawingSurface &box) { return box.pixelSize().height() / 2.0; }

// Whole beats the upper curve shows: its changes of side, small values near the axis left out.
inline int beatsDrawn(const platform::DrawingSurface &box)
{
    const std::vector<Primitive> curve = drawn(box, UpperCurve);
    const double tolerance = largestSwing(curve, axisOf(box)) * 0.01;
    int changes = 0;
    int side = 0;
    for (const Primitive &p : curve) {
        const double y = axisOf(box) - p.to.y();
        if (std::abs(y) < tolerance)
            continue;
        changes += side != 0 && (y > 0 ? 1 : -1) != side;
        side = y > 0 ? 1 : -1;
    }
    return (changes + 1) / 2;
}

inline double peakOf(const platform::DrawingSurface &box) { return largestSwing(drawn(box, UpperCurve), axisOf(box)); }

} // namespace demo_tests
