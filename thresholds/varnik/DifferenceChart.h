#pragma once

#include "audiometry/LevelPlot.h"
#include "platform/DrawingSurface.h"

#include <array>

// The frequency-difference chart: the shared frequency axis from 50 Hz to 10000 Hz with a value
// axis of 0 to 50 Hz. What it draws goes over whatever the surface shows; nothing is cleared.
namespace varnik::DifferenceChart {

inline constexpr int Points = 8;
using Values = std::array<float, Points>;

inline constexpr Values BaseFrequencies{50, 100, 200, 500, 1000, 2000, 5000, 10000};
// Mean just-noticeable differences in Hz, for the curve and the table alike.
inline constexpr Values MeanValues{1.8f, 1.9f, 1.75f, 2.0f, 3.2f, 5.1f, 19.3f, 50.0f};
inline constexpr LevelPlot::ValueAxis DifferenceAxis{0, 50};

inline const QColor MeasuredColor(0, 0, 255);
inline const QColor MeanColor(255, 0, 0);

// Grid, the value axis, and the measured values in blue.
void drawMeasuredCurve(platform::DrawingSurface &surface, const Values &measured);
// Grid without the axis and the 0 Hz line, and the mean values in red.
void drawMeanCurve(platform::DrawingSurface &surface);

// The captions inside the chart: value axis, its title, frequencies and "f in [Hz]".
extern const std::array<LevelPlot::AxisCaption, 14> Captions;

} // namespace varnik::DifferenceChart
