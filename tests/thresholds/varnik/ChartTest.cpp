#include "thresholds/varnik/DifferenceChart.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using platform::DrawnPrimitive;
using namespace varnik;

namespace {

constexpr double Width = 557;
constexpr double Height = 285;
constexpr auto Line = DrawnPrimitive::Kind::Line;
constexpr auto Circle = DrawnPrimitive::Kind::Circle;
const QRgb Black = QColor(Qt::black).rgb();
const QRgb Blue = QColor(0, 0, 255).rgb();
const QRgb Red = QColor(255, 0, 0).rgb();

// Primitives by kind, colour and pen width.
using Census = std::map<std::tuple<DrawnPrimitive::Kind, QRgb, int>, int>;
Census census(const platform::DrawingSurface &surface)
{
    Census counts;
    for (const DrawnPrimitive &p : surface.primitives())
        ++counts[{p.kind, p.color.rgb(), p.width}];
    return counts;
}

// Y(v) = y0 − (ScaleHeight − 40) / 50 × v
float y(double v)
{
    return float((Height - 20) - (Height - 40) / 50 * v);
}

QList<float> horizontalHeights(const platform::DrawingSurface &surface)
{
    QList<float> heights;
    for (const DrawnPrimitive &p : surface.primitives())
        if (p.kind == Line && p.color.rgb() == Black && p.from.y() == p.to.y())
            heights.append(float(p.from.y()));
    return heights;
}

} // namespace

TEST(DifferenceChart, MeasuredCurveInBlueOverGridAndAxis)
{
    platform::DrawingSurface surface{QSize(int(Width), int(Height))};
    DifferenceChart::drawMeasuredCurve(surface, {0, 1.8f, 1.3f, 1.5f, 3, 6, 19, 54});

    EXPECT_EQ(census(surface), (Census{{{Line, Black, 1}, 15}, {{Line, Blue, 2}, 7}, {{Circle, Blue, 1}, 8}}));
    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 30);
    // the lines at 50, 20, 5, 3, 2 and 0 Hz
    EXPECT_EQ(horizontalHeights(surface), (QList<float>{y(50), y(20), y(5), y(3), y(2), y(0)}));
    // 50 Hz measured as 0 lies on the bottom line; 54 Hz above the top line by 4/50 of the plot
    EXPECT_EQ(p[15].from, QPointF(p[0].from.x(), Height - 20));
    EXPECT_NEAR(p[27].to.y(), 20 - 4.0 / 50 * (Height - 40), 1e-4);
    EXPECT_EQ(p[29].from, p[15].from) << "the first point's circle comes last";
}

TEST(DifferenceChart, MeanCurveIsTheTableInRedWithoutAxisAndZeroLine)
{
    platform::DrawingSurface surface{QSize(int(Width), int(Height))};
    DifferenceChart::drawMeanCurve(surface);

    EXPECT_EQ(census(surface), (Census{{{Line, Black, 1}, 13}, {{Line, Red, 2}, 7}, {{Circle, Red, 1}, 8}}));
    EXPECT_EQ(horizontalHeights(surface), (QList<float>{y(50), y(20), y(5), y(3), y(2)}));
    // the curve runs through 1.8 Hz at 50 Hz and 1.9 Hz at 100 Hz, as the table says
    const auto &p = surface.primitives();
    const float expected[] = {1.8f, 1.9f, 1.75f, 2, 3.2f, 5.1f, 19.3f, 50};
    EXPECT_FLOAT_EQ(float(p.last().from.y()), y(expected[0]));
    for (int k = 1; k < 8; ++k)
        EXPECT_FLOAT_EQ(float(p[13 + 2 * (k - 1)].to.y()), y(expected[k])) << k;
}
