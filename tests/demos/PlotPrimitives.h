#pragma once

#include "platform/DrawingSurface.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <vector>

namespace demo_tests {

using Primitive = platform::DrawnPrimitive;

// What a plot drew in one colour (and kind), in drawing order.
inline std::vector<Primitive> drawn(const platform::DrawingSurface &box, QColor color,
                                    Primitive::Kind kind = Primitive::Kind::Line)
{
    std::vector<Primitive> found;
    for (const Primitive &p : box.primitives())
        if (p.kind == kind && p.color == color)
            found.push_back(p);
    return found;
}

// The largest distance of the lines' ends from the horizontal line at pixel row `axis`.
inline double largestSwing(const std::vector<Primitive> &lines, double axis)
{
    double largest = 0;
    for (const Primitive &p : lines)
        largest = std::max({largest, std::abs(p.from.y() - axis), std::abs(p.to.y() - axis)});
    return largest;
}

} // namespace demo_tests
