#include "LevelPlot.h"

#include <cmath>

namespace LevelPlot {

Geometry::Geometry(double width, double height, ValueAxis axis)
    : m_width(width)
    , m_height(height)
    , m_axis(axis)
{
}

Geometry Geometry::of(const platform::DrawingSurface &surface, ValueAxis axis)
{
    return Geometry(surface.scaleWidth(), surface.scaleHeight(), axis);
}

float Geometry::x(float frequency) const
{
    const double decades = std::log(double(frequency)) / std::log(10.0);
    return float(m_width / 4 * (decades - 1) * 1.2 + LeftEdge);
}

float Geometry::y(double value) const
{
    return float(y0() - (value - m_axis.bottom) * (m_height - 2 * Margin) / m_axis.span);
}

float Geometry::gridY(double aboveBottom) const
{
    return float(y0() - (m_height - 2 * Margin) / m_axis.span * aboveBottom);
}

void drawFrequencyLines(platform::DrawingSurface &surface, const Geometry &geometry, std::span<const float> frequencies)
{
    for (float f : frequencies) {
        const float x = geometry.x(f);
        surface.line(QPointF(x, geometry.y0()), QPointF(x, Margin));
    }
}

void drawValueLines(platform::DrawingSurface &surface, const Geometry &geometry, std::span<const float> aboveBottom,
                    float rightFrequency)
{
    const float right = geometry.x(rightFrequency);
    for (float g : aboveBottom) {
        const float y = geometry.gridY(g);
        surface.line(QPointF(LeftEdge, y), QPointF(right, y));
    }
}

void drawCurveStep(platform::DrawingSurface &surface, QPointF from, QPointF to, QColor lineColor, QColor circleColor)
{
    surface.setDrawWidth(CurveWidth);
    surface.line(from, to, lineColor);
    surface.setDrawWidth(1);
    surface.circle(to, CircleRadius, circleColor);
}

void drawGrid(platform::DrawingSurface &surface, std::span<const float> frequencies,
              std::span<const float> aboveBottom, ValueAxis axis)
{
    surface.setDrawWidth(1);
    const Geometry geometry = Geometry::of(surface, axis);
    drawFrequencyLines(surface, geometry, frequencies);
    drawValueLines(surface, geometry, aboveBottom, frequencies.back());
}

void drawCurve(platform::DrawingSurface &surface, std::span<const float> frequencies, std::span<const float> values,
               QColor lineColor, QColor circleColor, ValueAxis axis)
{
    const Geometry geometry = Geometry::of(surface, axis);
    for (std::size_t i = 1; i < frequencies.size() && i < values.size(); ++i)
        drawCurveStep(surface, geometry.point(frequencies[i - 1], values[i - 1]),
                      geometry.point(frequencies[i], values[i]), lineColor, circleColor);
}

const std::array<AxisCaption, 17> LevelCaptions{{
    {"-10", 75, 3945, 375}, {"0", 75, 3450, 375},   {"10", 75, 2880, 375},  {"20", 75, 2355, 375},
    {"30", 75, 1830, 375},  {"40", 75, 1305, 375},  {"50", 75, 780, 375},   {"60", 120, 240, 375},
    {"L in [dB]", 360, 120, 735},
    {"50", 2100, 4050, 375},   {"100", 2910, 4050, 375},  {"200", 3645, 4050, 375}, {"500", 4635, 4050, 375},
    {"1000", 5400, 4050, 375}, {"3000", 6570, 4050, 495}, {"5000", 7125, 4050, 495},
    {"f in [Hz]", 7680, 3960, 735},
}};

} // namespace LevelPlot
