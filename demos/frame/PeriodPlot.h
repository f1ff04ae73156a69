#pragma once

#include "CentredScale.h"

#include <QColor>

#include <vector>

namespace platform {
class DrawingSurface;
}

namespace demos {

// Plots of one period of a harmonic sum across a box, as Vevuzevu and Rovad draw them.
namespace PeriodPlot {

// Phase per pixel column for one period across the box, from its width in its current units:
// pixels at the first call, the previous call's units (of the same width) later.
float phaseStep(const platform::DrawingSurface &box);

// The largest magnitude over the columns 1 to columns − 1; 0 when all are 0.
float tablePeak(const std::vector<float> &table, int columns);

// The sum curve from column 0 to the last: scaled by H / (2 × peak) when its peak exceeds
// `threshold`, drawn at `factor` of its values in `color` with the box's line width.
void drawSumCurve(platform::DrawingSurface &box, std::vector<float> &table, const CentredScale &scale, double threshold,
                  double factor, QColor color);

} // namespace PeriodPlot
} // namespace demos
