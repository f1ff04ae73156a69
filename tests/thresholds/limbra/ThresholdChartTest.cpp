#include "audiometry/LevelPlot.h"
#include "thresholds/limbra/ThresholdChart.h"

#include <gtest/gtest.h>

using platform::DrawingSurface;
using platform::DrawnPrimitive;
namespace ThresholdChart = limbra::ThresholdChart;

namespace {

// The chart's drawing area at its design size.
constexpr QSize DesignArea(557, 285);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

// A run confirmed at every start position: 5 dB under the normal threshold.
ThresholdChart::Levels startPositions()
{
    ThresholdChart::Levels levels = LevelPlot::NormalThreshold;
    for (std::size_t i = 1; i < levels.size(); ++i)
        levels[i] -= 5;
    return levels;
}

// 12 frequency lines, then 8 level lines up to the 10000 Hz line, in black.
void expectGrid(const QVector<DrawnPrimitive> &p, qsizetype from)
{
    for (qsizetype j = 0; j < 20; ++j)
        EXPECT_TRUE(p[from + j].kind == DrawnPrimitive::Kind::Line && p[from + j].width == 1
                    && p[from + j].color == QColor(Qt::black)) << j;
    EXPECT_EQ(p[from].from, QPointF(30, 265));
    EXPECT_EQ(p[from].to, QPointF(30, 20));
    EXPECT_NEAR(p[from + 19].to.x(), 531.3, 0.05);
}

} // namespace

TEST(ThresholdChart, MeasuredCurveIsABlueLineWithRedCircles)
{
    DrawingSurface surface(DesignArea);
    ThresholdChart::Levels levels = startPositions();
    levels[0] = 80;
    levels[7] = -15.5f;
    levels[4] = 53.5f;
    ThresholdChart::drawThresholdCurve(surface, levels);

    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 20 + 22);
    expectGrid(p, 0);
    const LevelPlot::Geometry geometry(DesignArea.width(), DesignArea.height());
    struct Row {
        const char *name;
        int bar;
        QPointF from, to;
    };
    const Row rows[] = {
        {"from the 10 Hz point above the area to 50 Hz at 35 dB", 1, {30, -50}, {146.8, 107.5}},
        {"down to 1000 Hz at -2 dB", 5, {geometry.x(500), 20 + 3.5 * 6.5}, {364.2, 237}},
        {"3000 Hz at the bottom of its bar, below the grid", 7, {geometry.x(2000), 247.5}, {geometry.x(3000), 284.25}},
        {"on to 10000 Hz at 5 dB", 11, {geometry.x(9000), 198.5}, {531.3, 212.5}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const DrawnPrimitive &line = p[20 + 2 * (row.bar - 1)];
        const DrawnPrimitive &circle = p[20 + 2 * (row.bar - 1) + 1];
        EXPECT_EQ(line.kind, DrawnPrimitive::Kind::Line);
        EXPECT_EQ(line.color, Blue);
        EXPECT_EQ(line.width, 2);
        EXPECT_NEAR(line.from.x(), row.from.x(), 0.05);
        EXPECT_NEAR(line.from.y(), row.from.y(), 1e-4);
        EXPECT_NEAR(line.to.x(), row.to.x(), 0.05);
        EXPECT_NEAR(line.to.y(), row.to.y(), 1e-4);
        EXPECT_EQ(circle.kind, DrawnPrimitive::Kind::Circle);
        EXPECT_EQ(circle.color, Red);
        EXPECT_EQ(circle.width, 1);
        EXPECT_EQ(circle.radius, 3);
        EXPECT_EQ(circle.from, line.to);
    }
    EXPECT_EQ(surface.drawWidth(), 1);
}

TEST(ThresholdChart, NormalCurveIsAllRedAndLiesOverTheStartPositionsBySeventeenAndAHalfPixels)
{
    DrawingSurface surface(DesignArea);
    ThresholdChart::Levels measured = startPositions();
    measured[0] = 80;
    ThresholdChart::drawThresholdCurve(surface, measured);
    ThresholdChart::drawNormalCurve(surface);
    ThresholdChart::drawNormalCurve(surface);

    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 3 * 42) << "grid and curve again each time, nothing cleared";
    expectGrid(p, 42);
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        const DrawnPrimitive &line = p[42 + 20 + 2 * (i - 1)];
        EXPECT_EQ(line.color, Red);
        EXPECT_EQ(line.width, 2);
        EXPECT_EQ(p[42 + 21 + 2 * (i - 1)].color, Red);
        EXPECT_NEAR(p[20 + 2 * (i - 1)].to.y() - line.to.y(), 17.5, 1e-4);
        // the second press draws the same picture over the first
        EXPECT_EQ(p[84 + 20 + 2 * (i - 1)].to, line.to);
    }
    EXPECT_EQ(p[62].from, QPointF(30, -50));
}
