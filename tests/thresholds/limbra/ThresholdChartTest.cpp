#include "audiometry/LevelPlot.h"
#include "thresholds/limbra/ThresholdChart.h"
#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

using platform::DrawnPrimitive;
using Kind = DrawnPrimitive::Kind;
namespace ThresholdChart = limbra::ThresholdChart;

TEST(ThresholdChart, MeasuredCurveThenTheNormalCurveTwiceAtTheDesignSize)
{
    platform::DrawingSurface surface(QSize(557, 285));
    // a run confirmed at the start positions, 5 dB under normal, but for bars 4 and 7
    ThresholdChart::Levels levels = LevelPlot::NormalThreshold;
    for (std::size_t i = 1; i < levels.size(); ++i)
        levels[i] -= 5;
    levels[0] = 80;
    levels[4] = 53.5f;
    levels[7] = -15.5f;
    ThresholdChart::drawThresholdCurve(surface, levels);
    EXPECT_EQ(testing_support::nextLine(surface).width, 1);
    ThresholdChart::drawNormalCurve(surface);
    ThresholdChart::drawNormalCurve(surface);

    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 3 * 42) << "grid and curve each time, nothing cleared";
    for (qsizetype grid : {0, 42, 84}) {
        SCOPED_TRACE(grid);
        // 12 frequency lines, then 8 level lines up to the 10000 Hz line
        for (qsizetype j = grid; j < grid + 20; ++j)
            EXPECT_TRUE(p[j].kind == Kind::Line && p[j].width == 1 && p[j].color == QColor(Qt::black)) << j;
        EXPECT_EQ(p[grid].from, QPointF(30, 265));
        EXPECT_EQ(p[grid].to, QPointF(30, 20));
        EXPECT_NEAR(p[grid + 19].to.x(), 531.3, 0.05);
        EXPECT_EQ(p[grid + 20].from, QPointF(30, -50)) << "the 10 Hz point above the area";
    }
    const QColor Blue(0, 0, 255), Red(255, 0, 0);
    for (std::size_t bar = 1; bar <= 11; ++bar) {
        SCOPED_TRACE(bar);
        const qsizetype at = 20 + 2 * qsizetype(bar - 1);
        EXPECT_TRUE(p[at].kind == Kind::Line && p[at].color == Blue && p[at].width == 2);
        EXPECT_TRUE(p[at + 1].kind == Kind::Circle && p[at + 1].color == Red && p[at + 1].width == 1);
        EXPECT_EQ(p[at + 1].radius, 3);
        EXPECT_EQ(p[at + 1].from, p[at].to);
        // the normal curve, all red, 3.5 px per dB over the measured one; the second press alike
        EXPECT_TRUE(p[42 + at].color == Red && p[42 + at].width == 2 && p[42 + at + 1].color == Red);
        EXPECT_NEAR(p[at].to.y() - p[42 + at].to.y(), 3.5 * (LevelPlot::NormalThreshold[bar] - levels[bar]), 1e-4);
        EXPECT_EQ(p[84 + at].to, p[42 + at].to);
    }
    const LevelPlot::Geometry geometry(557, 285);
    const struct {
        const char *name;
        int bar;
        QPointF from, to;
    } rows[] = {
        {"from the 10 Hz point to 50 Hz at 35 dB", 1, {30, -50}, {146.8, 107.5}},
        {"down to 1000 Hz at -2 dB", 5, {geometry.x(500), 20 + 3.5 * 6.5}, {364.2, 237}},
        {"3000 Hz at the bottom of its bar, below the grid", 7, {geometry.x(2000), 247.5}, {geometry.x(3000), 284.25}},
        {"on to 10000 Hz at 5 dB", 11, {geometry.x(9000), 198.5}, {531.3, 212.5}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const DrawnPrimitive &line = p[20 + 2 * (row.bar - 1)];
        for (const auto &[got, want] : {std::pair(line.from, row.from), std::pair(line.to, row.to)}) {
            EXPECT_NEAR(got.x(), want.x(), 0.05);
            EXPECT_NEAR(got.y(), want.y(), 1e-4);
        }
    }
}
