#include "BeatEnvelope.h"

#include "demos/frame/CentredScale.h"
#include "platform/DrawingSurface.h"

#include <cmath>
#include <vector>

namespace rozurovev {

namespace {
// the envelope's own short π
constexpr double EnvelopePi = 3.141592;
constexpr double LevelSteps = 10.0;
const QColor LowerCurve(255, 100, 100);
const QColor UpperCurve(255, 0, 0);
const QColor Filling(240, 255, 255);
} // namespace

void DrawBeatEnvelope(platform::DrawingSurface &box, float beat, int level)
{
    box.clear();
    const demos::CentredScale scale = demos::centreScale(box);
    const double W = scale.W;
    const double H = scale.H;
    const double A = H / 2 * (level / LevelSteps);

    box.setDrawWidth(1);
    box.line(QPointF(0, 0), QPointF(W, 0));
    box.line(QPointF(W / 2, -H / 2), QPointF(W / 2, H / 2));

    const double k = double(beat) * EnvelopePi * 2;
    const int columns = scale.columns;
    std::vector<float> up = demos::columnTable(columns);
    std::vector<float> low = demos::columnTable(columns);
    for (int i = 1; i <= columns; ++i) {
        const double s = std::sin(i * k / W);
        up[std::size_t(i)] = float(A * s);
        low[std::size_t(i)] = float(-A * s);
    }
    for (int i = 1; i <= columns; ++i) {
        const std::size_t c = std::size_t(i);
        box.setDrawWidth(1);
        box.line(QPointF(i - 1, low[c - 1]), QPointF(i, low[c]), LowerCurve);
        box.setDrawWidth(2);
        box.line(QPointF(i - 1, up[c - 1]), QPointF(i, up[c]), UpperCurve);
        box.setDrawWidth(1);
        box.line(QPointF(i, low[c]), QPointF(i, up[c]), Filling);
    }
}

} // namespace rozurovev
