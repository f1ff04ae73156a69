#include "demos/PlotPrimitives.h"
#include "demos/rovad/KlangPlots.h"
#include "demos/rovad/KlangTesting.h"

#include "platform/DrawingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace demo_tests;
using rovad::KlangAmplitudes;
using rovad::PlotColor;

namespace {

struct TimeRow {
    const char *name;
    int height;
    KlangAmplitudes amplitudes;
    double swing;  // in pixels from the middle row
};

class RovadTimePlot : public ::testing::TestWithParam<TimeRow> {};

// The spectrum's units run from the width both ways: y pixels from the bottom are u × H / W.
double spectrumRow(double units)
{
    return (W - units) * H / W;
}

} // namespace

TEST_P(RovadTimePlot, OnePeriodOfTheSum)
{
    const TimeRow &row = GetParam();
    platform::DrawingSurface box(QSize(W, row.height));
    rovad::DrawTimeFunction(box, row.amplitudes);
    rovad::DrawTimeFunction(box, row.amplitudes);
    const double middle = row.height / 2.0;

    const std::vector<Primitive> axes = drawn(box, Qt::black);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].from, QPointF(0, middle));
    EXPECT_EQ(axes[0].to, QPointF(W, middle));
    EXPECT_EQ(axes[1].from, QPointF(W / 2.0, row.height));
    EXPECT_EQ(axes[1].to, QPointF(W / 2.0, 0));

    const std::vector<Primitive> curve = drawn(box, PlotColor);
    ASSERT_EQ(curve.size(), std::size_t(W));
    EXPECT_EQ(curve.front().width, 1);
    EXPECT_EQ(curve.front().from, QPointF(0, middle));
    EXPECT_EQ(curve.back().to.x(), W);
    EXPECT_NEAR(largestSwing(curve, middle), row.swing, 0.01);
    if (row.swing > 0) {
        EXPECT_LT(curve.front().to.y(), middle);  // starting upward
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amplitudes, RovadTimePlot,
    ::testing::Values(TimeRow{"silence_flat_on_the_axis", H, {}, 0},
                      // a box at least 200 pixels high shows 100 % as 100 pixels
                      TimeRow{"fundamental_alone_unscaled", H, {100}, 99.9941},
                      TimeRow{"fundamental_in_a_low_box_touches_the_edges", 180, {100}, 90},
                      TimeRow{"two_harmonics_scaled_to_touch_the_edges", H, {100, 100}, H / 2.0},
                      TimeRow{"all_fifteen_scaled", H, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}, H / 2.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RovadPlots, SpectrumBarsAndMarkersAtTheDesignSize)
{
    const KlangAmplitudes amplitudes{100, 50, 33, 25, 20, 17, 14, 12, 11, 10, 9, 8, 8, 7, 0};
    platform::DrawingSurface box(QSize(W, H));
    rovad::DrawSpectrum(box, amplitudes);

    const std::vector<Primitive> axes = drawn(box, Qt::black);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].from, QPointF(10, spectrumRow(15)));
    EXPECT_NEAR(axes[0].to.x(), W - 15, 1e-9);
    EXPECT_NEAR(axes[1].to.y(), spectrumRow(W - 15), 1e-9);

    const std::vector<Primitive> bars = drawn(box, PlotColor);
    const std::vector<Primitive> markers = drawn(box, PlotColor, Primitive::Kind::Circle);
    ASSERT_EQ(bars.size(), 15u);
    ASSERT_EQ(markers.size(), 15u);
    for (std::size_t t = 0; t < 15; ++t) {
        SCOPED_TRACE(t);
        const double top = spectrumRow(2.5 * amplitudes[t] + 15);
        EXPECT_EQ(bars[t].width, 2);
        EXPECT_NEAR(bars[t].from.y(), spectrumRow(15), 1e-9);
        EXPECT_NEAR(bars[t].to.x(), 25 + 18 * double(t), 1e-9);
        EXPECT_NEAR(bars[t].to.y(), top, 1e-9);
        EXPECT_NEAR(markers[t].from.y(), top, 1e-9);
        EXPECT_EQ(markers[t].radius, 2);
        EXPECT_TRUE(markers[t].filled);
        EXPECT_EQ(markers[t].fillColor, QColor(Qt::black));
    }
}

TEST(RovadPlots, OneValuePerColumnOfAWideBox)
{
    platform::DrawingSurface box(QSize(720, H));
    rovad::DrawTimeFunction(box, {100, 0, 40});
    const std::vector<Primitive> curve = drawn(box, PlotColor);
    ASSERT_EQ(curve.size(), 720u);
    EXPECT_NEAR(curve.back().to.y(), H / 2.0, 0.5);
}
