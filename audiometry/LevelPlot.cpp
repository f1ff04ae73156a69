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

} // namespace LevelPlot
