#pragma once

#include <vector>

namespace platform {
class DrawingSurface;
}

namespace demos {

// One unit per pixel, the origin in the middle of the left edge, y up.
struct CentredScale {
    double W;     // inner width in pixels
    double H;     // inner height in pixels
    double S;     // the height the box reports from now on: −H
    int columns;  // W rounded, ties to even: the last column of a table
};

// Pixel units, H and W read, then the corners (0, H/2) and (W, −H/2).
CentredScale centreScale(platform::DrawingSurface &box);

// The last column of a plot's table for a box `width` pixels wide, so that every pixel column
// gets its value however wide the box is.
int lastColumn(double width);

// A table of one value per column 0 to `columns`, all 0.
std::vector<float> columnTable(int columns);

} // namespace demos
