#include "SpektrumPlots.h"

#include "demos/frame/PeriodPlot.h"
#include "platform/DrawingSurface.h"

#include <cmath>

namespace vevuzevu {

const QColor HarmonicColors[4] = {QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255), QColor(255, 0, 255)};
const QColor SumColor(255, 0, 0);

namespace {
using Style = platform::DrawnPrimitive::Style;
namespace PeriodPlot = demos::PeriodPlot;

// the partials and the unscaled sum are drawn at 95 % of their height
constexpr double CurveFactor = 0.95;
// the sum is scaled once its peak passes half the height by more than this
constexpr double FitMargin = 10;
constexpr double SpectrumLeft = 45;
constexpr double SpectrumSpacing = 35;
} // namespace

void DrawTimeFunctions(platform::DrawingSurface &box, const SpektrumAmplitudes &amplitudes)
{
    box.setPersistent(true);
    const float phaseStep = PeriodPlot::phaseStep(box);
    box.clear();
    box.setDrawWidth(1);
    box.setDrawStyle(Style::Solid);
    const demos::CentredScale scale = demos::centreScale(box);
    const double W = scale.W;
    const double halfS = scale.S / 2;

    box.line(QPointF(0, 0), QPointF(W, 0));
    box.line(QPointF(W / 2, halfS), QPointF(W / 2, -halfS));

    for (std::size_t j = 0; j < amplitudes.size(); ++j) {
        const int k = int(j) + 1;
        const QColor color = HarmonicColors[j];
        // S is negative: every partial starts downward
        std::vector<float> partial = demos::columnTable(scale.columns);
        for (int x = 0; x <= scale.columns; ++x)
            partial[std::size_t(x)] =
                float(halfS * (amplitudes[j] / 100.0) * std::sin(double(k * x) * double(phaseStep)));
        for (int x = 1; x <= scale.columns; ++x)
            box.line(QPointF(x - 1, CurveFactor * partial[std::size_t(x - 1)]),
                     QPointF(x, CurveFactor * partial[std::size_t(x)]), color);
        box.setDrawStyle(Style::Dot);
        box.line(QPointF(0, amplitudes[j]), QPointF(W, amplitudes[j]), color);
        box.setDrawWidth(1);
        box.setDrawStyle(Style::Solid);
    }

    std::vector<float> sum = demos::columnTable(scale.columns);
    for (int x = 1; x <= scale.columns; ++x)
        for (std::size_t j = 0; j < amplitudes.size(); ++j)
            sum[std::size_t(x)] = float(double(sum[std::size_t(x)])
                                        + (amplitudes[j] / 100.0) * halfS
                                              * std::sin(double((int(j) + 1) * x) * double(phaseStep)));
    // the width stays 2 until the next call sets it back
    box.setDrawWidth(2);
    PeriodPlot::drawSumCurve(box, sum, scale, std::abs(halfS - FitMargin), CurveFactor, SumColor);
}

void DrawSpectrumLines(platform::DrawingSurface &box, const SpektrumAmplitudes &amplitudes)
{
    box.setPersistent(true);
    box.setDrawStyle(Style::Solid);
    const demos::CentredScale scale = demos::centreScale(box);
    const double halfS = scale.S / 2;
    box.clear();
    box.line(QPointF(10, 0), QPointF(scale.W - 15, 0));
    box.line(QPointF(10, 0), QPointF(10, -halfS));

    for (std::size_t j = 0; j < amplitudes.size(); ++j) {
        const double x = SpectrumLeft + SpectrumSpacing * double(j);
        const double A = amplitudes[j];
        const QColor color = HarmonicColors[j];
        box.setDrawWidth(3);
        box.setDrawStyle(Style::Solid);
        box.line(QPointF(x, 0), QPointF(x, -CurveFactor * A / 100.0 * halfS), color);
        box.setDrawWidth(1);
        box.setFill(true, color);
        box.circle(QPointF(x, A), 3, color);
        box.setDrawWidth(1);
        box.setDrawStyle(Style::Dot);
        box.line(QPointF(x, A), QPointF(scale.W, A), color);
    }
}

} // namespace vevuzevu
