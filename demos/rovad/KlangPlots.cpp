#include "KlangPlots.h"

#include "demos/frame/PeriodPlot.h"
#include "platform/DrawingSurface.h"

#include <cmath>

namespace rovad {

const QColor PlotColor(0, 0, 255);

namespace {
namespace PeriodPlot = demos::PeriodPlot;

constexpr double BarLeft = 25;
constexpr double BarSpacing = 18;
constexpr double UnitsPerPercent = 2.5;
constexpr double Baseline = 15;
} // namespace

void DrawTimeFunction(platform::DrawingSurface &box, const KlangAmplitudes &amplitudes)
{
    const float phaseStep = PeriodPlot::phaseStep(box);
    box.setScalePixels();
    box.clear();
    const demos::CentredScale scale = demos::centreScale(box);
    const double W = scale.W;
    box.line(QPointF(0, 0), QPointF(W, 0));
    box.line(QPointF(W / 2, scale.S / 2), QPointF(W / 2, -scale.S / 2));

    std::vector<float> sum = demos::columnTable(scale.columns);
    for (int x = 1; x <= scale.columns; ++x)
        for (std::size_t j = 0; j < amplitudes.size(); ++j)
            sum[std::size_t(x)] = float(double(sum[std::size_t(x)])
                                        + amplitudes[j] * std::sin(double((int(j) + 1) * x) * double(phaseStep)));
    PeriodPlot::drawSumCurve(box, sum, scale, std::abs(scale.S / 2), 1.0, PlotColor);
}

void DrawSpectrum(platform::DrawingSurface &box, const KlangAmplitudes &amplitudes)
{
    box.setScalePixels();
    box.clear();
    const double W = box.scaleWidth();
    // both bounds from the width: a vertical unit is H/W pixels
    box.setScale(QPointF(0, W), QPointF(W, 0));
    const double S = box.scaleHeight();
    box.line(QPointF(10, Baseline), QPointF(W - 15, Baseline));
    box.line(QPointF(10, Baseline), QPointF(10, -S - 15));

    for (std::size_t t = 0; t < amplitudes.size(); ++t) {
        const double x = BarLeft + BarSpacing * double(t);
        const double top = UnitsPerPercent * amplitudes[t] + Baseline;
        box.setDrawWidth(2);
        box.line(QPointF(x, Baseline), QPointF(x, top), PlotColor);
        box.setDrawWidth(1);
        // the box's fill colour keeps its default, black
        box.setFill(true, Qt::black);
        box.circle(QPointF(x, top), 2, PlotColor);
    }
}

} // namespace rovad
