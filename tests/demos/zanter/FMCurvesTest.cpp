#include "demos/PlotPrimitives.h"
#include "demos/zanter/FMCurves.h"

#include "platform/DrawingSurface.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <vector>

using namespace demo_tests;

TEST(DrawFMCurves, OnePeriodOfTheModulationWithAColumnPerPixel)
{
    const QColor Blue(0, 0, 255);
    const QColor Red(255, 0, 0);
    auto crossings = [](const std::vector<Primitive> &lines, double middle) {
        int count = 0;
        for (const Primitive &p : lines)
            count += (p.from.y() < middle) != (p.to.y() < middle);
        return count;
    };
    // wider than the window's box, at Amod 1.0
    const double W = 620;
    const double H = 173;
    platform::DrawingSurface box(QSize(620, 173));
    box.line(QPointF(5, 5), QPointF(6, 6), Blue);  // an earlier picture is cleared
    zanter::DrawFMCurves(box, 10);

    ASSERT_EQ(box.primitives().size(), qsizetype(1 + 2 * W));
    const Primitive &middle = box.primitives().front();
    EXPECT_EQ(QLineF(middle.from, middle.to), QLineF(0, H / 2, W, H / 2));
    EXPECT_EQ(middle.color, QColor(Qt::black));
    const std::vector<Primitive> blue = drawn(box, Blue);
    const std::vector<Primitive> red = drawn(box, Red);
    ASSERT_EQ(blue.size(), std::size_t(W));
    EXPECT_EQ(blue.front().from.x(), 0);
    EXPECT_EQ(blue.back().to.x(), W);
    EXPECT_LE(largestSwing(blue, H / 2), 0.45 * H + 1e-3);
    // 30 carrier periods, some more or fewer where the phase swings
    EXPECT_NEAR(crossings(blue, H / 2), 60, 4);
    // red: a cosine of depth/15 of half the height, starting at its lowest point (y down)
    EXPECT_NEAR(red.front().from.y(), H / 2 + H / 3, 1e-3);
    EXPECT_NEAR(largestSwing(red, H / 2), H / 3, 0.01 * H);
    EXPECT_EQ(crossings(red, H / 2), 2);
    // the phase 30·x − 20·sin x runs slowest at x = 0 and fastest at x = π
    const auto part = [&](double from, double to) {
        return crossings(std::vector<Primitive>(blue.begin() + int(from * W), blue.begin() + int(to * W)), H / 2);
    };
    EXPECT_LT(part(0, 0.125), part(0.4375, 0.5625) - 3);
}
