#include "Envelope.h"

#include "common/WaveFormat.h"
#include "demos/frame/CentredScale.h"
#include "demos/zanter/FMSettings.h"
#include "platform/DrawingSurface.h"

#include <cmath>
#include <vector>

namespace koliva {

namespace {
constexpr double Reach = 0.95;
const QColor Blue(0, 0, 255);
const QColor Hatch(230, 230, 255);
} // namespace

void DrawEnvelope(platform::DrawingSurface &box, int depth, int frequency)
{
    using platform::DrawnPrimitive;

    box.setPersistent(true);
    box.clear();
    // the pixel size, whatever coordinates the previous drawing left set
    const double W = box.pixelSize().width();
    const double H = box.pixelSize().height();
    const float dx = Sound::TwoPiSingle / float(W);
    const float F = float(frequency);
    const double m = depth / double(zanter::DepthSteps);

    const int columns = demos::lastColumn(W);
    std::vector<float> e = demos::columnTable(columns);
    for (int i = 1; i <= columns; ++i)
        e[std::size_t(i)] = float(-(H / 4) * Reach * (m * std::sin(double(F * dx * float(i))) + 1));

    box.setScalePixels();
    box.setDrawWidth(1);
    box.setDrawStyle(DrawnPrimitive::Style::Solid);
    box.setScale(QPointF(0, H / 2), QPointF(W, -H / 2));
    // the hatch of a column before its envelopes: a pale line from one column to the next lies
    // in the first, and drawn last it would cover the envelopes' first segment from the axis
    for (int i = 1; i <= columns; ++i) {
        const auto at = std::size_t(i);
        box.setDrawWidth(1);
        box.line(QPointF(i - 1, -e[at]), QPointF(i, e[at]), Hatch);
        box.setDrawWidth(2);
        box.line(QPointF(i - 1, e[at - 1]), QPointF(i, e[at]), Blue);
        box.line(QPointF(i - 1, -e[at - 1]), QPointF(i, -e[at]), Blue);
    }
    box.line(QPointF(0, 0), QPointF(W, 0));
    box.line(QPointF(W / 2, -H / 2), QPointF(W / 2, H / 2));

    box.setDrawStyle(DrawnPrimitive::Style::Dot);
    const double unmodulated = Reach * H / 4;
    box.line(QPointF(0, unmodulated), QPointF(W, unmodulated));
    const double highest = Reach * (H / 4) * (1 + m);
    const double lowest = Reach * (H / 4) * (1 - m);
    box.line(QPointF(0, highest), QPointF(W, highest), Blue);
    box.line(QPointF(0, lowest), QPointF(W, lowest), Blue);
}

} // namespace koliva
