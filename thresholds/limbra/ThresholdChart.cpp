#include "ThresholdChart.h"

#include "audiometry/Audiogram.h"
#include "audiometry/LevelPlot.h"

namespace limbra::ThresholdChart {

void drawThresholdCurve(platform::DrawingSurface &surface, const Levels &levels)
{
    Audiogram::drawGrid(surface);
    LevelPlot::drawCurve(surface, LevelPlot::ToneFrequencies, levels, MeasuredLineColor, CircleColor);
}

void drawNormalCurve(platform::DrawingSurface &surface)
{
    Audiogram::drawGrid(surface);
    LevelPlot::drawCurve(surface, LevelPlot::ToneFrequencies, LevelPlot::NormalThreshold, CircleColor, CircleColor);
}

} // namespace limbra::ThresholdChart
