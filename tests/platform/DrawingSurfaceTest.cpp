#include "platform/DrawingSurface.h"

#include <gtest/gtest.h>

using platform::DrawingSurface;
using platform::DrawnPrimitive;

TEST(DrawingSurface, UserScaleFromCornersReportsItsSize)
{
    DrawingSurface surface(QSize(360, 209));
    EXPECT_DOUBLE_EQ(surface.scaleWidth(), 360);
    EXPECT_DOUBLE_EQ(surface.scaleHeight(), 209);

    surface.setScale(QPointF(0, 104.5), QPointF(360, -104.5));
    EXPECT_DOUBLE_EQ(surface.scaleWidth(), 360);
    EXPECT_DOUBLE_EQ(surface.scaleHeight(), -209);
    EXPECT_DOUBLE_EQ(surface.toPixels(QPointF(0, 104.5)).y(), 0) << "the top";

    struct Row {
        QPointF user;
        QPointF pixel;
    };
    const Row rows[] = {{{0, 104.5}, {0, 0}}, {{360, -104.5}, {360, 209}}, {{10, 0}, {10, 104.5}}, {{180, 52.25}, {180, 52.25}}};
    for (const Row &row : rows) {
        EXPECT_DOUBLE_EQ(surface.toPixels(row.user).x(), row.pixel.x());
        EXPECT_DOUBLE_EQ(surface.toPixels(row.user).y(), row.pixel.y());
    }
    surface.setScalePixels();
    EXPECT_EQ(surface.toPixels(QPointF(5, 7)), QPointF(5, 7));
}

TEST(DrawingSurface, RecordsWhatWasDrawnInPixels)
{
    DrawingSurface surface(QSize(100, 50));
    surface.setScale(QPointF(0, 25), QPointF(100, -25));
    surface.line(QPointF(10, 0), QPointF(95, 0));
    surface.setDrawWidth(2);
    surface.setDrawStyle(DrawnPrimitive::Style::Dot);
    surface.line(QPointF(10, -20), QPointF(10, 20), QColor(0, 0, 255));
    surface.setDrawWidth(1);
    surface.setDrawStyle(DrawnPrimitive::Style::Solid);
    surface.setFill(true, QColor(255, 0, 0));
    surface.circle(QPointF(50, 0), 3, QColor(0, 192, 0));

    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 3);
    EXPECT_EQ(p[0].kind, DrawnPrimitive::Kind::Line);
    EXPECT_EQ(p[0].from, QPointF(10, 25));
    EXPECT_EQ(p[0].to, QPointF(95, 25));
    EXPECT_EQ(p[0].color, QColor(Qt::black));
    EXPECT_EQ(p[1].width, 2);
    EXPECT_EQ(p[1].style, DrawnPrimitive::Style::Dot);
    EXPECT_EQ(p[1].from, QPointF(10, 45));
    EXPECT_EQ(p[1].color, QColor(0, 0, 255));
    EXPECT_EQ(p[2].kind, DrawnPrimitive::Kind::Circle);
    EXPECT_EQ(p[2].from, QPointF(50, 25));
    EXPECT_DOUBLE_EQ(p[2].radius, 3);
    EXPECT_TRUE(p[2].filled);
    EXPECT_EQ(p[2].fillColor, QColor(255, 0, 0));

    // the pixels are really there
    EXPECT_EQ(surface.image().pixelColor(50, 25), QColor(255, 0, 0));
    EXPECT_EQ(surface.image().pixelColor(60, 25), QColor(Qt::black));
    EXPECT_EQ(surface.image().pixelColor(60, 10), QColor(Qt::white));

    surface.clear();
    EXPECT_TRUE(surface.primitives().isEmpty());
    EXPECT_EQ(surface.image().pixelColor(60, 25), QColor(Qt::white));
}

TEST(DrawingSurface, PersistenceDecidesWhatSurvivesCovering)
{
    for (bool persistent : {true, false}) {
        SCOPED_TRACE(persistent);
        DrawingSurface surface(QSize(20, 20));
        surface.setPersistent(persistent);
        surface.line(QPointF(0, 5), QPointF(19, 5));
        surface.covered();
        EXPECT_EQ(surface.primitives().size(), persistent ? 1 : 0);
    }
}

TEST(DrawingSurface, DrawingTheSameAgainLeavesThePictureAsItWas)
{
    DrawingSurface surface(QSize(60, 40));
    auto draw = [&] {
        surface.setDrawWidth(2);
        surface.line(QPointF(5, 35), QPointF(50, 4), QColor(50, 240, 20));
        surface.setDrawWidth(1);
        surface.circle(QPointF(50, 4), 3, QColor(50, 240, 20));
        surface.circle(QPointF(20, 20), 7.5, QColor(0, 0, 255));
    };
    draw();
    const QImage once = surface.image();
    draw();
    EXPECT_TRUE(surface.image() == once);
}
