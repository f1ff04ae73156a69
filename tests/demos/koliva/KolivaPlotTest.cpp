#include "demos/koliva/Envelope.h"

#include "platform/DrawingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using platform::DrawingSurface;
using platform::DrawnPrimitive;

namespace {

const QColor Blue(0, 0, 255);
const QColor Hatch(230, 230, 255);

struct Envelope {
    std::vector<DrawnPrimitive> lower, upper, hatch, axes, dotted;
};

// The drawing in its parts, in pixels (y down from the top).
Envelope parts(const DrawingSurface &box)
{
    Envelope e;
    int blue = 0;
    for (const DrawnPrimitive &p : box.primitives()) {
        if (p.style == DrawnPrimitive::Style::Dot)
            e.dotted.push_back(p);
        else if (p.color == Hatch)
            e.hatch.push_back(p);
        else if (p.color == Blue)
            (blue++ % 2 == 0 ? e.lower : e.upper).push_back(p);
        else
            e.axes.push_back(p);
    }
    return e;
}

} // namespace

TEST(DrawEnvelope, EnvelopesHatchAxesAndDottedLines)
{
    const struct {
        const char *name;
        QSize box;
        int depth, frequency;
        int upperTouchesAxis;  // times the upper envelope comes down to the axis
    } rows[] = {
        {"start: flat envelopes, the dotted lines on top of each other", {365, 269}, 0, 0, 0},
        {"full depth at 10 Hz touches the axis ten times", {365, 269}, 10, 10, 10},
        {"half depth at 0 Hz stays flat while the dotted lines spread", {365, 269}, 5, 0, 0},
        {"a wider box gets a column per pixel", {600, 269}, 7, 3, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DrawingSurface box(row.box);
        box.setScale(QPointF(0, 10), QPointF(10, -10));  // whatever the last drawing left
        koliva::DrawEnvelope(box, row.depth, row.frequency);
        const double W = row.box.width();
        const double H = row.box.height();
        const double middle = H / 2;
        const double quarter = 0.95 * H / 4;
        const double m = row.depth / 10.0;
        const Envelope e = parts(box);

        ASSERT_EQ(e.lower.size(), std::size_t(W));
        ASSERT_EQ(e.upper.size(), std::size_t(W));
        ASSERT_EQ(e.hatch.size(), std::size_t(W));
        EXPECT_EQ(e.lower.front().width, 2);
        EXPECT_EQ(e.hatch.front().width, 1);
        // both begin with a segment from the axis at x = 0
        EXPECT_EQ(e.lower.front().from, QPointF(0, middle));
        EXPECT_EQ(e.upper.front().from, QPointF(0, middle));
        EXPECT_EQ(e.upper.back().to.x(), W);

        int touches = 0;
        bool down = false;
        for (std::size_t i = 0; i < e.upper.size(); ++i) {
            const double up = middle - e.upper[i].to.y();
            const double low = e.lower[i].to.y() - middle;
            EXPECT_NEAR(up, low, 1e-3);  // mirrored about the axis
            EXPECT_GE(up, quarter * (1 - m) - 1e-3);
            EXPECT_LE(up, quarter * (1 + m) + 1e-3);
            if (row.frequency == 0) {
                EXPECT_NEAR(up, quarter, 1e-3);
            }
            const bool atAxis = up < 0.02 * quarter;
            touches += atAxis && !down;
            down = atAxis;
        }
        EXPECT_EQ(touches, row.upperTouchesAxis);

        // the pale hatch runs from the upper envelope at one column to the lower at the next
        EXPECT_EQ(e.hatch[10].from.y(), e.upper[10].to.y());
        EXPECT_EQ(e.hatch[10].to.y(), e.lower[10].to.y());

        ASSERT_EQ(e.axes.size(), 2u);
        EXPECT_EQ(e.axes[0].from, QPointF(0, middle));
        EXPECT_EQ(e.axes[0].to, QPointF(W, middle));
        EXPECT_EQ(e.axes[1].from, QPointF(W / 2, H));
        EXPECT_EQ(e.axes[1].to, QPointF(W / 2, 0));

        ASSERT_EQ(e.dotted.size(), 3u);
        EXPECT_EQ(e.dotted[0].color, QColor(Qt::black));
        const double expected[] = {quarter, quarter * (1 + m), quarter * (1 - m)};
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(middle - e.dotted[std::size_t(i)].from.y(), expected[i], 1e-3) << i;
            EXPECT_EQ(e.dotted[std::size_t(i)].to.x(), W);
        }
        EXPECT_EQ(e.dotted[1].color, Blue);
        EXPECT_EQ(e.dotted[2].color, Blue);
    }
}
