#include "demos/rozurovev/BeatTesting.h"
#include "demos/rozurovev/BeatEnvelope.h"

#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

#include <vector>

using namespace demo_tests;

TEST(DrawBeatEnvelope, CurvesSpanOneSecondOfTheBeatAcrossTheBox)
{
    const struct {
        const char *name;
        QSize box;
        float beat;
        int level;
        double peak;  // pixels
        int beats;
    } rows[] = {
        {"the window's box, 20 Hz at level 6", {501, 189}, 20, 6, 189 / 2.0 * 0.6, 20},
        {"a box wider than the design's", {900, 200}, 3, 5, 50, 3},
        {"no beat: both curves on the axis", {501, 189}, 0, 6, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        platform::DrawingSurface box(row.box);
        // coordinates an earlier drawing left behind do not matter
        box.setScale(QPointF(0, 10), QPointF(10, -10));
        rozurovev::DrawBeatEnvelope(box, row.beat, row.level);

        const double W = row.box.width();
        const double H = row.box.height();
        const auto &all = box.primitives();
        ASSERT_EQ(all.size(), 2 + 3 * row.box.width());
        EXPECT_EQ(all[0].from, QPointF(0, H / 2));
        EXPECT_EQ(all[0].to, QPointF(W, H / 2));
        EXPECT_EQ(all[1].from, QPointF(W / 2, H));
        EXPECT_EQ(all[1].to, QPointF(W / 2, 0));
        EXPECT_EQ(all[0].color, testing_support::nextLine(box).color);

        const std::vector<Primitive> up = drawn(box, UpperCurve);
        const std::vector<Primitive> low = drawn(box, LowerCurve);
        const std::vector<Primitive> fill = drawn(box, Filling);
        ASSERT_EQ(up.size(), std::size_t(row.box.width()));
        ASSERT_EQ(low.size(), up.size());
        ASSERT_EQ(fill.size(), up.size());
        for (std::size_t i = 0; i < up.size(); ++i) {
            EXPECT_EQ(up[i].to.x(), double(i + 1));
            EXPECT_EQ(up[i].width, 2);
            EXPECT_EQ(low[i].width, 1);
            EXPECT_NEAR(low[i].to.y() - H / 2, H / 2 - up[i].to.y(), 1e-4);
            // the filling joins the curves in every column
            EXPECT_EQ(fill[i].from, low[i].to);
            EXPECT_EQ(fill[i].to, up[i].to);
        }
        EXPECT_NEAR(peakOf(box), row.peak, row.peak * 0.01 + 1e-9);
        EXPECT_EQ(beatsDrawn(box), row.beats);
        EXPECT_EQ(testing_support::nextLine(box).width, 1);
    }
}
