#pragma once

#include "platform/DrawingSurface.h"

#include <QColor>
#include <QPointF>

#include <array>
#include <span>

// The chart layout the listening tests share: a logarithmic frequency axis from 10 Hz and a
// linear value axis between 20-pixel margins, in pixels of the drawing area, y downwards.
namespace LevelPlot {

// Entry 0 is the 10 Hz point every curve starts from; 1 to 11 are the test frequencies.
inline constexpr std::array<float, 12> ToneFrequencies{10, 50, 100, 200, 500, 1000, 2000, 3000, 4000, 5000, 9000, 10000};
inline constexpr std::array<float, 12> NormalThreshold{80, 40, 25, 14, 5.5f, 3, 0, -5.5f, -4, 0, 14, 10};
// Horizontal grid lines, in dB above the bottom of the level axis.
inline constexpr std::array<float, 8> GridLevels{70, 60, 50, 40, 30, 20, 10, 0};

inline constexpr double Margin = 20;
inline constexpr double LeftEdge = 30;
inline constexpr int CircleRadius = 3;
inline constexpr int CurveWidth = 2;

// A value axis: the value on the bottom line and the span up to the top line.
struct ValueAxis {
    double bottom;
    double span;
};
// Hearing level in dB, -10 to 60.
inline constexpr ValueAxis LevelAxis{-10, 70};

class Geometry {
public:
    Geometry(double width, double height, ValueAxis axis = LevelAxis);
    // Read from the surface as it is now, so a resized box draws to its new size.
    static Geometry of(const platform::DrawingSurface &surface, ValueAxis axis = LevelAxis);

    double width() const { return m_width; }
    double height() const { return m_height; }
    // 10 Hz at the left edge, a decade 0.3 of the width.
    float x(float frequency) const;
    // The bottom line.
    double y0() const { return m_height - Margin; }
    float y(double value) const;
    // A grid line `aboveBottom` units over the bottom line.
    float gridY(double aboveBottom) const;
    QPointF point(float frequency, double value) const { return QPointF(x(frequency), y(value)); }

private:
    double m_width;
    double m_height;
    ValueAxis m_axis;
};

// Vertical lines at the frequencies, from the bottom line up to the top margin.
void drawFrequencyLines(platform::DrawingSurface &surface, const Geometry &geometry, std::span<const float> frequencies);
// Horizontal lines from the left edge to the line of `rightFrequency`.
void drawValueLines(platform::DrawingSurface &surface, const Geometry &geometry, std::span<const float> aboveBottom,
                    float rightFrequency);
// One step of a curve: a thick segment to the point, then a thin circle around it.
void drawCurveStep(platform::DrawingSurface &surface, QPointF from, QPointF to, QColor lineColor, QColor circleColor);

// The grid of every level chart: a line at each frequency from the bottom line up to the top
// margin, and the value lines up to the line of the last frequency; pen width 1.
void drawGrid(platform::DrawingSurface &surface, std::span<const float> frequencies,
              std::span<const float> aboveBottom, ValueAxis axis = LevelAxis);
// A curve through (frequencies[i], values[i]) from the first point on, steps as drawCurveStep.
void drawCurve(platform::DrawingSurface &surface, std::span<const float> frequencies, std::span<const float> values,
               QColor lineColor, QColor circleColor, ValueAxis axis = LevelAxis);

// A fixed caption inside a chart's picture box, in twips from its top left, 255 high.
struct AxisCaption {
    const char *text;  // UTF-8
    int left, top, width;
};
// "-10" … "60", "L in [dB]", the frequency captions and "f in [Hz]" of the level charts.
extern const std::array<AxisCaption, 17> LevelCaptions;

} // namespace LevelPlot
