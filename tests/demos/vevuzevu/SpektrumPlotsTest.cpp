#include "demos/PlotPrimitives.h"
#include "demos/vevuzevu/SpektrumPlots.h"
#include "demos/vevuzevu/SpektrumTesting.h"

#include "platform/DrawingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace demo_tests;
using vevuzevu::SpektrumAmplitudes;

namespace {

constexpr double Axis = H / 2.0;

struct PlotRow {
    const char *name;
    SpektrumAmplitudes amplitudes;
    double sumSwing;  // of the red sum, in pixels from the axis
};

class VevuzevuPlots : public ::testing::TestWithParam<PlotRow> {};

} // namespace

TEST_P(VevuzevuPlots, TimeFunctionsAtTheDesignSize)
{
    const PlotRow &row = GetParam();
    platform::DrawingSurface box(QSize(W, H));
    // a second call starts from the first call's units, whose width is also W
    vevuzevu::DrawTimeFunctions(box, row.amplitudes);
    vevuzevu::DrawTimeFunctions(box, row.amplitudes);

    const std::vector<Primitive> sum = drawn(box, SumColor);
    ASSERT_EQ(sum.size(), std::size_t(W));
    EXPECT_EQ(sum.front().width, 2);
    EXPECT_EQ(sum.front().from, QPointF(0, Axis));
    EXPECT_EQ(sum.back().to.x(), W);
    EXPECT_NEAR(largestSwing(sum, Axis), row.sumSwing, 0.02);

    for (std::size_t j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        const std::vector<Primitive> partial = drawn(box, HarmonicColors[j]);
        ASSERT_EQ(partial.size(), std::size_t(W + 1));
        const Primitive &level = partial.back();
        EXPECT_EQ(level.style, Primitive::Style::Dot);
        EXPECT_EQ(level.from, QPointF(0, Axis - row.amplitudes[j]));
        EXPECT_EQ(level.to, QPointF(W, Axis - row.amplitudes[j]));
        const std::vector<Primitive> curve(partial.begin(), partial.end() - 1);
        // 95 % of the half height at 100 %, starting downward
        EXPECT_NEAR(largestSwing(curve, Axis), 0.95 * Axis * row.amplitudes[j] / 100.0, 0.05);
        if (row.amplitudes[j] > 0) {
            EXPECT_GT(curve.front().to.y(), Axis);
        }
    }
}

TEST_P(VevuzevuPlots, SpectrumLinesAtTheDesignSize)
{
    const PlotRow &row = GetParam();
    platform::DrawingSurface box(QSize(W, H));
    vevuzevu::DrawSpectrumLines(box, row.amplitudes);

    const std::vector<Primitive> axes = drawn(box, Qt::black);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].from, QPointF(10, Axis));
    EXPECT_EQ(axes[0].to, QPointF(W - 15, Axis));
    EXPECT_EQ(axes[1].to, QPointF(10, 0));
    for (std::size_t j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        const double x = 45 + 35 * double(j);
        const double A = row.amplitudes[j];
        const std::vector<Primitive> lines = drawn(box, HarmonicColors[j]);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].width, 3);
        EXPECT_EQ(lines[0].from, QPointF(x, Axis));
        EXPECT_NEAR(lines[0].to.y(), Axis - 0.95 * A / 100 * Axis, 1e-9);
        EXPECT_EQ(lines[1].style, Primitive::Style::Dot);
        EXPECT_EQ(lines[1].from, QPointF(x, Axis - A));
        EXPECT_EQ(lines[1].to, QPointF(W, Axis - A));
        const std::vector<Primitive> marker = drawn(box, HarmonicColors[j], Primitive::Kind::Circle);
        ASSERT_EQ(marker.size(), 1u);
        EXPECT_EQ(marker[0].from, QPointF(x, Axis - A));
        EXPECT_EQ(marker[0].radius, 3);
        EXPECT_TRUE(marker[0].filled);
        EXPECT_EQ(marker[0].fillColor, HarmonicColors[j]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amplitudes, VevuzevuPlots,
    ::testing::Values(PlotRow{"silence_on_the_axis", {0, 0, 0, 0}, 0},
                      // the sum is the first partial: unscaled at 95 %
                      PlotRow{"fundamental_alone_unscaled", {100, 0, 0, 0}, 0.95 * Axis},
                      // a peak past H/2 + 10 is scaled to the half height, then drawn at 95 %
                      PlotRow{"all_four_scaled_to_the_half_height", {100, 100, 100, 100}, 0.95 * Axis},
                      // peaks of 113.8 and 117.2 pixels lie either side of H/2 + 10 = 116.5
                      PlotRow{"within_the_fit_margin_unscaled", {100, 20, 0, 0}, 0.95 * 113.8048},
                      PlotRow{"past_the_fit_margin_scaled", {100, 25, 0, 0}, 0.95 * Axis}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VevuzevuPlots, OneValuePerColumnOfAWideBox)
{
    platform::DrawingSurface box(QSize(640, H));
    vevuzevu::DrawTimeFunctions(box, {100, 100, 0, 0});
    const std::vector<Primitive> sum = drawn(box, SumColor);
    ASSERT_EQ(sum.size(), 640u);
    // a whole period: back at the axis at the right edge
    EXPECT_EQ(sum.back().to.x(), 640);
    EXPECT_NEAR(sum.back().to.y(), Axis, 0.5);
}
