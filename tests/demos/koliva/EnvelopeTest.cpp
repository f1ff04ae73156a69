#include "demos/koliva/Envelope.h"

#include "platform/DrawingSurface.h"

#include <QLineF>

#include <gtest/gtest.h>

using Primitive = platform::DrawnPrimitive;

TEST(DrawEnvelope, EnvelopesHatchAxesAndDottedLines)
{
    const QColor Blue(0, 0, 255);
    const struct {
        const char *name;
        int width, depth, frequency;
        int upperTouchesAxis;
    } rows[] = {
        {"start: flat envelopes, the dotted lines on top of each other", 365, 0, 0, 0},
        {"full depth at 10 Hz touches the axis ten times", 365, 10, 10, 10},
        {"a wider box gets a column per pixel", 600, 7, 3, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const double W = row.width;
        const double H = 269;
        const double quarter = 0.95 * H / 4;
        const double m = row.depth / 10.0;
        platform::DrawingSurface box(QSize(row.width, 269));
        box.setScale(QPointF(0, 10), QPointF(10, -10));  // whatever the last drawing left
        koliva::DrawEnvelope(box, row.depth, row.frequency);

        // column by column the hatch, the lower envelope and the upper one; then the axes and the
        // three dotted lines
        const QList<Primitive> &all = box.primitives();
        ASSERT_EQ(all.size(), qsizetype(3 * W + 5));
        EXPECT_EQ(all[1].from, QPointF(0, H / 2));
        EXPECT_EQ(all[2].from, QPointF(0, H / 2));
        EXPECT_EQ(all[3 * row.width - 1].to.x(), W);
        int touches = 0;
        bool down = false;
        for (int i = 0; i < row.width; ++i) {
            const Primitive &hatch = all[3 * i], &lower = all[3 * i + 1], &upper = all[3 * i + 2];
            ASSERT_TRUE(lower.color == Blue && upper.color == Blue && hatch.color == QColor(230, 230, 255)) << i;
            // the pale hatch runs from the upper envelope at one column to the lower at the next
            EXPECT_EQ(hatch.from.y(), upper.to.y());
            EXPECT_EQ(hatch.to.y(), lower.to.y());
            const double up = H / 2 - upper.to.y();
            EXPECT_NEAR(up, lower.to.y() - H / 2, 1e-3);  // mirrored about the axis
            EXPECT_GE(up, quarter * (1 - m) - 1e-3);
            EXPECT_LE(up, quarter * (1 + m) + 1e-3);
            touches += up < 0.02 * quarter && !down;
            down = up < 0.02 * quarter;
        }
        EXPECT_EQ(touches, row.upperTouchesAxis);

        const Primitive *axes = &all[3 * row.width];
        EXPECT_EQ(QLineF(axes[0].from, axes[0].to), QLineF(0, H / 2, W, H / 2));
        EXPECT_EQ(QLineF(axes[1].from, axes[1].to), QLineF(W / 2, H, W / 2, 0));
        const Primitive *dotted = axes + 2;
        const double expected[] = {quarter, quarter * (1 + m), quarter * (1 - m)};
        const QColor colours[] = {Qt::black, Blue, Blue};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(dotted[i].style, Primitive::Style::Dot);
            EXPECT_NEAR(H / 2 - dotted[i].from.y(), expected[i], 1e-3) << i;
            EXPECT_EQ(dotted[i].to.x(), W);
            EXPECT_EQ(dotted[i].color, colours[i]);
        }
    }
}
