#include "PeriodPlot.h"

#include "common/WaveFormat.h"
#include "platform/DrawingSurface.h"

#include <algorithm>
#include <cmath>

namespace demos::PeriodPlot {

float phaseStep(const platform::DrawingSurface &box)
{
    return float(Sound::TwoPiSingleDecimal / box.scaleWidth());
}

float tablePeak(const std::vector<float> &table, int columns)
{
    float peak = 0;
    for (int x = 1; x <= columns - 1; ++x)
        peak = std::max(peak, std::abs(table[std::size_t(x)]));
    return peak;
}

void drawSumCurve(platform::DrawingSurface &box, std::vector<float> &table, const CentredScale &scale, double threshold,
                  double factor, QColor color)
{
    const float peak = tablePeak(table, scale.columns);
    const float g = peak != 0 ? float(scale.H / (2 * double(peak))) : 0.0f;
    if (peak > threshold) {
        // column 0 stays at 0 and needs no scaling
        for (int x = 1; x <= scale.columns; ++x)
            table[std::size_t(x)] = g * table[std::size_t(x)];
    }
    for (int x = 1; x <= scale.columns; ++x)
        box.line(QPointF(x - 1, factor * table[std::size_t(x - 1)]), QPointF(x, factor * table[std::size_t(x)]), color);
}

} // namespace demos::PeriodPlot
