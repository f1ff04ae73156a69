#include "FMCurves.h"

#include "common/WaveFormat.h"
#include "demos/frame/CentredScale.h"
#include "platform/DrawingSurface.h"

#include <cmath>
#include <vector>

namespace zanter {

namespace {
constexpr float CarrierPeriods = 30.0f;
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
} // namespace

void DrawFMCurves(platform::DrawingSurface &box, int depth)
{
    box.clear();
    box.setPersistent(true);
    box.setScalePixels();
    const double W = box.scaleWidth();
    const double H = box.scaleHeight();
    const float dx = Sound::TwoPiSingle / float(W);

    const int columns = demos::lastColumn(W);
    std::vector<float> blue = demos::columnTable(columns);
    std::vector<float> red = demos::columnTable(columns);
    for (int i = 0; i <= columns; ++i) {
        const float x = dx * float(i);
        const double phase = double(CarrierPeriods * dx * float(i)) - 2.0 * depth * std::sin(double(x));
        blue[std::size_t(i)] = float(H * 0.9 / 2 * std::sin(phase) + H / 2);
        red[std::size_t(i)] = float(H / 2 * (depth / 15.0) * std::cos(double(x)) + H / 2);
    }

    box.setDrawWidth(1);
    box.setDrawStyle(platform::DrawnPrimitive::Style::Solid);
    box.line(QPointF(0, H / 2), QPointF(W, H / 2));
    for (int i = 1; i <= columns; ++i) {
        const auto at = std::size_t(i);
        box.line(QPointF(i - 1, blue[at - 1]), QPointF(i, blue[at]), Blue);
        box.line(QPointF(i - 1, red[at - 1]), QPointF(i, red[at]), Red);
    }
}

} // namespace zanter
