#include "DifferenceChart.h"

#include <span>

namespace varnik::DifferenceChart {

using namespace LevelPlot;

namespace {

constexpr std::array<float, 6> MeasuredLines{50, 20, 5, 3, 2, 0};
constexpr std::array<float, 5> MeanLines{50, 20, 5, 3, 2};

void drawCurve(platform::DrawingSurface &surface, const Geometry &geometry, const Values &values, QColor color)
{
    // the axis starts at 0, so a value is its height over the bottom line
    auto point = [&](std::size_t k) { return QPointF(geometry.x(BaseFrequencies[k]), geometry.gridY(values[k])); };
    for (std::size_t k = 1; k < Points; ++k)
        drawCurveStep(surface, point(k - 1), point(k), color, color);
    surface.circle(point(0), CircleRadius, color);
}

} // namespace

void drawMeasuredCurve(platform::DrawingSurface &surface, const Values &measured)
{
    surface.setDrawWidth(1);
    const Geometry geometry = Geometry::of(surface, DifferenceAxis);
    drawFrequencyLines(surface, geometry, BaseFrequencies);
    surface.line(QPointF(LeftEdge, geometry.y0()), QPointF(LeftEdge, Margin));
    drawValueLines(surface, geometry, MeasuredLines, BaseFrequencies.back());
    drawCurve(surface, geometry, measured, MeasuredColor);
}

void drawMeanCurve(platform::DrawingSurface &surface)
{
    LevelPlot::drawGrid(surface, BaseFrequencies, MeanLines, DifferenceAxis);
    drawCurve(surface, Geometry::of(surface, DifferenceAxis), MeanValues, MeanColor);
}

// Each value caption names the line it stands beside.
const std::array<AxisCaption, 14> Captions{{
    {"Frequenzunterschied in [Hz]", 120, 0, 2055},
    {"50", 120, 240, 255}, {"20", 120, 2400, 255}, {"5", 120, 3480, 135}, {"0", 120, 3840, 135},
    {"50", 2160, 4080, 375}, {"100", 2880, 4080, 375}, {"200", 3600, 4080, 375}, {"500", 4560, 4080, 375},
    {"1000", 5280, 4080, 375}, {"2000", 6000, 4080, 495}, {"5000", 7080, 4080, 495}, {"10000", 7680, 4080, 495},
    {"f in [Hz]", 7680, 3720, 735},
}};

} // namespace varnik::DifferenceChart
