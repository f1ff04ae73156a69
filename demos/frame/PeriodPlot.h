#pragma once

#include <QColor>

#include <vector>

namespace platform {
class DrawingSurface;
}

namespace demos {

// Plots of one period of a harmonic sum across a box, as Vevuzevu and Rovad draw them.
namespace PeriodPlot {

// 2π as the plots take it, 2π in single precision.
inline constexpr double TwoPi = 6.2831855;

// One unit per pixel, the origin in the middle of the left edge, y up.
struct Scale {
    double W;     // inner width in pixels
    double H;     // inner height in pixels
    double S;     // the height the box reports from now on: −H
    int columns;  // W rounded, ties to even: the last column of a table
};

// Phase per pixel column for one period across the box, from its width in its current units:
// pixels at the first call, the previous call's units (of the same width) later.
float phaseStep(const platform::DrawingSurface &box);

// Pixel units, H and W read, then the corners (0, H/2) and (W, −H/2).
Scale centreScale(platform::DrawingSurface &box);

// A table of one value per column 0 to `columns`, all 0.
std::vector<float> columnTable(const Scale &scale);

// The largest magnitude over the columns 1 to columns − 1; 0 when all are 0.
float tablePeak(const std::vector<float> &table, int columns);

// The sum curve from column 0 to the last: scaled by H / (2 × peak) when its peak exceeds
// `threshold`, drawn at `factor` of its values in `color` with the box's line width.
void drawSumCurve(platform::DrawingSurface &box, std::vector<float> &table, const Scale &scale, double threshold,
                  double factor, QColor color);

} // namespace PeriodPlot
} // namespace demos
