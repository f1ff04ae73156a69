#include "Audiogram.h"

#include "LevelPlot.h"

namespace Audiogram {

using namespace LevelPlot;

void drawGrid(platform::DrawingSurface &surface)
{
    LevelPlot::drawGrid(surface, ToneFrequencies, GridLevels);
}

void drawHearingCurves(platform::DrawingSurface &surface, const Levels &right, const Levels &left)
{
    drawGrid(surface);
    const Geometry geometry = Geometry::of(surface);
    for (std::size_t i = 1; i < ToneFrequencies.size(); ++i) {
        const float before = ToneFrequencies[i - 1];
        const float here = ToneFrequencies[i];
        drawCurveStep(surface, geometry.point(before, right[i - 1]), geometry.point(here, right[i]), RightEarColor,
                      RightEarColor);
        drawCurveStep(surface, geometry.point(before, left[i - 1]), geometry.point(here, left[i]), LeftEarColor,
                      LeftEarColor);
    }
}

void drawNormalCurve(platform::DrawingSurface &surface)
{
    drawGrid(surface);
    drawCurve(surface, ToneFrequencies, NormalThreshold, NormalCurveColor, NormalCurveColor);
}

} // namespace Audiogram
