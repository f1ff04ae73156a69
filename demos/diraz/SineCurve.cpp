#include "SineCurve.h"

#include "common/WaveFormat.h"
#include "demos/frame/CentredScale.h"
#include "platform/Convert.h"
#include "platform/DrawingSurface.h"

#include <cmath>
#include <vector>

namespace {
// the plot's width from x = 10 to x = W - 10 spans one period of 500 Hz
constexpr double FrequencyOfOnePeriod = 500.0;
constexpr double AxisInset = 10.0;
const QColor CurveColor(0, 0, 255);
} // namespace

void DrawSineCurve(platform::DrawingSurface &box, int amplitudeStep, int frequency)
{
    using platform::Convert::roundHalfEven;

    box.setPersistent(true);
    box.clear();
    const demos::CentredScale scale = demos::centreScale(box);
    const double H = scale.H;
    const double W = scale.W;

    box.setDrawWidth(1);
    box.setDrawStyle(platform::DrawnPrimitive::Style::Solid);
    box.line(QPointF(AxisInset, 0), QPointF(W - 5, 0));
    box.line(QPointF(AxisInset, -H / 2 + 5), QPointF(AxisInset, H / 2 - 5));

    // a box too narrow for the span between the insets has no room for a curve
    if (W <= 2 * AxisInset)
        return;
    const float k = float(double(Sound::TwoPiSingle) / double(float(W - 2 * AxisInset)) / FrequencyOfOnePeriod);
    const double R = std::abs(H / 2) * amplitudeStep / 10.0;

    std::vector<float> y = demos::columnTable(scale.columns);
    for (int i = 1; i <= scale.columns; ++i) {
        const float phase = float(frequency) * k * float(i - AxisInset);
        y[std::size_t(i)] = float(R * 0.9 * std::sin(double(phase)));
    }
    const int last = int(roundHalfEven(W - AxisInset));
    for (int i = int(AxisInset); i <= last; ++i)
        box.line(QPointF(i - 1, y[std::size_t(i - 1)]), QPointF(i, y[std::size_t(i)]), CurveColor);
}
