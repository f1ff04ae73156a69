#include "demos/zanter/FMCurves.h"

#include "platform/DrawingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using platform::DrawingSurface;
using platform::DrawnPrimitive;

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

std::vector<DrawnPrimitive> linesIn(const DrawingSurface &box, QColor color)
{
    std::vector<DrawnPrimitive> lines;
    for (const DrawnPrimitive &p : box.primitives())
        if (p.color == color)
            lines.push_back(p);
    return lines;
}

// Sign changes of y − middle along the line ends.
int crossings(const std::vector<DrawnPrimitive> &lines, double middle)
{
    int count = 0;
    for (const DrawnPrimitive &p : lines)
        count += (p.from.y() < middle) != (p.to.y() < middle);
    return count;
}

} // namespace

TEST(DrawFMCurves, OnePeriodOfTheModulationAcrossTheBox)
{
    const struct {
        const char *name;
        QSize box;
        int depth;
    } rows[] = {
        {"the window's box at Amod 0.5", {397, 173}, 5},
        {"Amod 0.1", {397, 173}, 1},
        {"Amod 1.0", {397, 173}, 10},
        {"a wider box gets a column per pixel", {620, 173}, 5},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DrawingSurface box(row.box);
        box.line(QPointF(5, 5), QPointF(6, 6), Blue);  // an earlier picture is cleared
        zanter::DrawFMCurves(box, row.depth);
        const double W = row.box.width();
        const double H = row.box.height();

        // the middle line first, in the foreground colour
        ASSERT_FALSE(box.primitives().isEmpty());
        const DrawnPrimitive &middle = box.primitives().front();
        EXPECT_EQ(middle.from, QPointF(0, H / 2));
        EXPECT_EQ(middle.to, QPointF(W, H / 2));
        EXPECT_EQ(middle.color, QColor(Qt::black));

        const std::vector<DrawnPrimitive> blue = linesIn(box, Blue);
        const std::vector<DrawnPrimitive> red = linesIn(box, Red);
        ASSERT_EQ(blue.size(), std::size_t(W));
        ASSERT_EQ(red.size(), std::size_t(W));
        EXPECT_EQ(box.primitives().size(), qsizetype(1 + 2 * W));
        // blue and red alternate, column by column from 0 to W
        EXPECT_EQ(box.primitives()[1].color, Blue);
        EXPECT_EQ(box.primitives()[2].color, Red);
        EXPECT_EQ(blue.front().from.x(), 0);
        EXPECT_EQ(blue.back().to.x(), W);

        double lowest = H;
        double highest = 0;
        for (const DrawnPrimitive &p : blue) {
            lowest = std::min(lowest, p.to.y());
            highest = std::max(highest, p.to.y());
            EXPECT_EQ(p.width, 1);
        }
        EXPECT_GE(lowest, 0.05 * H - 1e-3);
        EXPECT_LE(highest, 0.95 * H + 1e-3);
        // 30 carrier periods, some more or fewer where the phase swings
        EXPECT_NEAR(crossings(blue, H / 2), 60, 4);

        // red: a cosine of depth/15 of half the height, starting at its lowest point (y down)
        const double amplitude = H / 2 * row.depth / 15.0;
        EXPECT_NEAR(red.front().from.y(), H / 2 + amplitude, 1e-3);
        double redTop = H;
        for (const DrawnPrimitive &p : red)
            redTop = std::min(redTop, p.to.y());
        EXPECT_NEAR(redTop, H / 2 - amplitude, 0.01 * H);
        EXPECT_EQ(crossings(red, H / 2), 2);
    }
}

TEST(DrawFMCurves, DeeperModulationSlowsTheCarrierAtTheStartAndSpeedsItInTheMiddle)
{
    // the phase 30·x − 2V·sin x runs at 30 − 2V·cos x: slowest at x = 0, fastest at x = π
    auto crossingsIn = [](int depth, int first, int last) {
        DrawingSurface box(QSize(400, 173));
        zanter::DrawFMCurves(box, depth);
        std::vector<DrawnPrimitive> blue = linesIn(box, Blue);
        blue = std::vector<DrawnPrimitive>(blue.begin() + first, blue.begin() + last);
        return crossings(blue, 173 / 2.0);
    };
    EXPECT_LE(crossingsIn(10, 0, 50), crossingsIn(1, 0, 50) - 3);
    EXPECT_GE(crossingsIn(10, 175, 225), crossingsIn(1, 175, 225) + 3);
}
