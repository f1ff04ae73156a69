#include "audiometry/Audiogram.h"
#include "audiometry/LevelPlot.h"
#include "support/SurfaceProbe.h"

#include <gtest/gtest.h>

using platform::DrawingSurface;
using platform::DrawnPrimitive;

namespace {

// The audiogram's drawing area at its design size.
constexpr QSize DesignArea(557, 285);

Audiogram::Levels levels(std::initializer_list<float> values)
{
    Audiogram::Levels out{};
    std::copy(values.begin(), values.end(), out.begin());
    return out;
}

bool isCircleAt(const DrawnPrimitive &p, double x)
{
    return p.kind == DrawnPrimitive::Kind::Circle && std::abs(p.from.x() - x) < 0.01;
}

} // namespace

TEST(AudiogramGeometry, FrequencyAxisIsLogarithmicFromTenHertz)
{
    const LevelPlot::Geometry geometry(DesignArea.width(), DesignArea.height());
    struct Row {
        const char *name;
        float frequency;
        double x;
    };
    const Row rows[] = {
        {"10 Hz on the level axis", 10, 30},   {"50 Hz, the first test tone", 50, 146.8},
        {"100 Hz", 100, 197.1},                 {"1000 Hz", 1000, 364.2},
        {"10000 Hz, the last grid line", 10000, 531.3},
    };
    for (const Row &row : rows)
        EXPECT_NEAR(geometry.x(row.frequency), row.x, 0.05) << row.name;
}

TEST(AudiogramGeometry, LevelAxisRunsFromMinusTenToSixtyDecibels)
{
    const LevelPlot::Geometry geometry(DesignArea.width(), DesignArea.height());
    EXPECT_DOUBLE_EQ(geometry.y0(), 265);
    struct Row {
        const char *name;
        double level;
        double y;
    };
    const Row rows[] = {
        {"bottom grid line", -10, 265},     {"top grid line", 60, 20},
        {"a threshold of 36 dB", 36, 104},  {"the 10 Hz point, clipped above the area", 80, -50},
        {"3000 Hz at the bottom of its bar, below the grid", -15.5, 284.25},
    };
    for (const Row &row : rows)
        EXPECT_FLOAT_EQ(geometry.y(row.level), float(row.y)) << row.name;
    // 3.5 pixels per dB, also between the grid lines
    EXPECT_FLOAT_EQ(geometry.gridY(10), 230);
}

TEST(AudiogramGeometry, AnotherValueAxisKeepsTheFrequencyAxis)
{
    // a chart of frequency differences from 0 to 50 Hz
    const LevelPlot::Geometry geometry(DesignArea.width(), DesignArea.height(), LevelPlot::ValueAxis{0, 50});
    EXPECT_NEAR(geometry.x(50), 146.8, 0.05);
    EXPECT_FLOAT_EQ(geometry.y(0), 265);
    EXPECT_FLOAT_EQ(geometry.y(50), 20);
    EXPECT_NEAR(geometry.y(54), 20 - 4 * 245.0 / 50, 1e-4);
}

TEST(Audiogram, GridThenBothEarsFrequencyByFrequency)
{
    DrawingSurface surface(DesignArea);
    const auto right = levels({0, 36, 20, 10, 0, 0, -5, -10, -8, 0, 15, 12});
    const auto left = levels({0, 40, 25, 14, 5.5f, 3, 0, -5.5f, -4, 0, 14, 10});
    Audiogram::drawHearingCurves(surface, right, left);

    const auto &p = surface.primitives();
    ASSERT_EQ(p.size(), 12 + 8 + 11 * 4);
    const LevelPlot::Geometry geometry(557, 285);
    for (int j = 0; j < 12; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(p[j].kind, DrawnPrimitive::Kind::Line);
        EXPECT_EQ(p[j].color, QColor(Qt::black));
        EXPECT_EQ(p[j].width, 1);
        EXPECT_FLOAT_EQ(float(p[j].from.x()), geometry.x(LevelPlot::ToneFrequencies[std::size_t(j)]));
        EXPECT_DOUBLE_EQ(p[j].from.y(), 265);
        EXPECT_DOUBLE_EQ(p[j].to.y(), 20);
    }
    for (int k = 0; k < 8; ++k) {
        const DrawnPrimitive &line = p[12 + k];
        EXPECT_FLOAT_EQ(float(line.from.y()), 20 + 35 * k) << "grid line " << k;
        EXPECT_DOUBLE_EQ(line.from.x(), 30);
        // short of the right edge, at the 10000 Hz line
        EXPECT_NEAR(line.to.x(), 531.3, 0.05);
    }
    for (int i = 1; i <= 11; ++i) {
        SCOPED_TRACE(i);
        const DrawnPrimitive *step = &p[20 + 4 * (i - 1)];
        const double x = geometry.x(LevelPlot::ToneFrequencies[std::size_t(i)]);
        // red first, blue over it
        EXPECT_EQ(step[0].color, QColor(255, 0, 0));
        EXPECT_EQ(step[0].width, 2);
        EXPECT_FLOAT_EQ(float(step[0].to.y()), geometry.y(right[std::size_t(i)]));
        EXPECT_TRUE(isCircleAt(step[1], x));
        EXPECT_EQ(step[1].color, QColor(255, 0, 0));
        EXPECT_EQ(step[1].width, 1);
        EXPECT_DOUBLE_EQ(step[1].radius, 3);
        EXPECT_FALSE(step[1].filled);
        EXPECT_EQ(step[2].color, QColor(0, 0, 255));
        EXPECT_EQ(step[2].width, 2);
        EXPECT_FLOAT_EQ(float(step[2].to.y()), geometry.y(left[std::size_t(i)]));
        EXPECT_TRUE(isCircleAt(step[3], x));
        EXPECT_EQ(step[3].color, QColor(0, 0, 255));
    }
    // the curves start at whatever element 0 holds; no circle marks the 10 Hz point
    EXPECT_DOUBLE_EQ(p[20].from.x(), 30);
    EXPECT_TRUE(std::none_of(p.begin(), p.end(), [](const DrawnPrimitive &q) { return isCircleAt(q, 30); }));
    EXPECT_EQ(testing_support::nextLine(surface).width, 1);
}

TEST(Audiogram, NormalCurveIsGreenAndTheSameEachTime)
{
    DrawingSurface surface(DesignArea);
    Audiogram::drawHearingCurves(surface, levels({80, 36, 20, 10, 0, 0, -5, -10, -8, 0, 15, 12}),
                                 levels({80, 40, 25, 14, 5.5f, 3, 0, -5.5f, -4, 0, 14, 10}));
    Audiogram::drawNormalCurve(surface);
    const QImage once = surface.image();
    const auto firstCount = surface.primitives().size();

    const auto &p = surface.primitives();
    const LevelPlot::Geometry geometry(557, 285);
    ASSERT_EQ(firstCount, 64 + 20 + 22);
    const DrawnPrimitive &toFifty = p[64 + 20];
    EXPECT_EQ(toFifty.color, QColor(50, 240, 20));
    EXPECT_EQ(toFifty.width, 2);
    EXPECT_FLOAT_EQ(float(toFifty.from.y()), -50);
    EXPECT_FLOAT_EQ(float(toFifty.to.y()), geometry.y(40));
    EXPECT_EQ(p[64 + 21].kind, DrawnPrimitive::Kind::Circle);
    EXPECT_EQ(p[64 + 21].color, QColor(50, 240, 20));

    Audiogram::drawNormalCurve(surface);
    EXPECT_EQ(surface.primitives().size(), firstCount + 42);
    EXPECT_TRUE(surface.image() == once) << "a second normal curve changed the picture";
}
