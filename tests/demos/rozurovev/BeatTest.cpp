#include "demos/rozurovev/BeatEnvelope.h"
#include "demos/rozurovev/modSchwebung.h"

#include "platform/DrawingSurface.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_support::joined;
using testing_support::samples;

namespace {

int largestIn(const std::vector<std::int16_t> &values, std::size_t firstFrame, std::size_t frames)
{
    int largest = 0;
    for (std::size_t f = firstFrame; f < firstFrame + frames; ++f)
        largest = std::max(largest, std::abs(int(values[2 * (f - 1)])));
    return largest;
}

} // namespace

TEST(modSchwebung, FirstFramesAndPeaks)
{
    const struct {
        const char *name;
        float L, f1, f2;
        std::vector<std::int16_t> firstFrames;
    } rows[] = {
        {"start setting, 500 Hz twice at level 6", 6, 500, 500, {1367, 1367, 2726, 2726, 4072, 4072, 5397, 5397}},
        // a quarter turn per frame: both sines peak together at 2 × 16000
        {"level 10 at 11025 Hz", 10, 11025, 11025, {32000, 32000, 0, 0, -32000, -32000, 0, 0}},
        // half a turn against a quarter: the sines cancel on every second frame
        {"11025 Hz against 22050 Hz", 5, 11025, 22050, {8000, 8000, 0, 0, -8000, -8000, 0, 0}},
        {"level 0 is silence", 0, 500, 520, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        modSchwebung::SynthesizeSchwebung(row.L, row.f1, row.f2, 4, chunks);
        EXPECT_EQ(samples(chunks[0]), row.firstFrames);
    }
}

TEST(modSchwebung, StartSettingIsASteadyToneOfPeak19200)
{
    SampleChunks chunks;
    modSchwebung::SynthesizeSchwebung(6.0f, 500.0f, 500.0f, 5 * 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    ASSERT_EQ(values.size(), std::size_t(2 * 220500));
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 19200);
    EXPECT_EQ(*std::min_element(values.begin(), values.end()), -19200);
    for (std::size_t i = 0; i < values.size(); i += 2)
        ASSERT_EQ(values[i], values[i + 1]) << "frame " << i / 2 + 1;
}

TEST(modSchwebung, TwentyHertzApartBeatTwentyTimesASecond)
{
    SampleChunks chunks;
    modSchwebung::SynthesizeSchwebung(6.0f, 1000.0f, 1020.0f, 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    // loud where the sines agree (every 1/20 s), near silent half-way between
    for (int beat = 1; beat < 20; ++beat) {
        SCOPED_TRACE(beat);
        const std::size_t loud = std::size_t(beat * 2205);
        const std::size_t quiet = loud - 1102;
        EXPECT_GT(largestIn(values, loud - 30, 60), 19000);
        EXPECT_LT(largestIn(values, quiet - 10, 20), 700);
    }
}

namespace {

struct Column {
    double x;
    double up;   // above the time axis, pixels
    double low;
};

// The drawing as the envelope's columns: the upper curve's end points and the lower curve's.
std::vector<Column> envelope(const platform::DrawingSurface &box)
{
    const double middle = box.pixelSize().height() / 2.0;
    std::vector<Column> columns;
    std::vector<double> lows;
    for (const platform::DrawnPrimitive &p : box.primitives()) {
        if (p.color == QColor(255, 100, 100)) {
            EXPECT_EQ(p.width, 1);
            lows.push_back(middle - p.to.y());
        } else if (p.color == QColor(255, 0, 0)) {
            EXPECT_EQ(p.width, 2);
            columns.push_back({p.to.x(), middle - p.to.y(), 0});
        }
    }
    EXPECT_EQ(lows.size(), columns.size());
    for (std::size_t i = 0; i < std::min(lows.size(), columns.size()); ++i)
        columns[i].low = lows[i];
    return columns;
}

int signChanges(const std::vector<Column> &columns, double tolerance)
{
    int count = 0;
    int sign = 0;
    for (const Column &c : columns) {
        if (std::abs(c.up) < tolerance)
            continue;
        const int s = c.up > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            ++count;
        sign = s;
    }
    return count;
}

} // namespace

TEST(DrawBeatEnvelope, CurvesSpanOneSecondOfTheBeat)
{
    const struct {
        const char *name;
        QSize box;
        float beat;
        int level;
        double peak;  // pixels
        int signChanges;
    } rows[] = {
        {"the window's box, 20 Hz at level 6", {501, 189}, 20, 6, 189 / 2.0 * 0.6, 39},
        {"7 Hz at full level", {501, 189}, 7, 10, 189 / 2.0, 13},
        {"a box wider than the design's", {900, 200}, 3, 5, 50, 5},
        {"no beat: both curves on the axis", {501, 189}, 0, 6, 0, 0},
        {"level 0: both curves on the axis", {501, 189}, 20, 0, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        platform::DrawingSurface box(row.box);
        // coordinates an earlier drawing left behind do not matter
        box.setScale(QPointF(0, 10), QPointF(10, -10));
        rozurovev::DrawBeatEnvelope(box, row.beat, row.level);

        const auto &drawn = box.primitives();
        ASSERT_EQ(drawn.size(), 2 + 3 * row.box.width());
        const double W = row.box.width();
        const double H = row.box.height();
        EXPECT_EQ(drawn[0].from, QPointF(0, H / 2));
        EXPECT_EQ(drawn[0].to, QPointF(W, H / 2));
        EXPECT_EQ(drawn[1].from, QPointF(W / 2, H));
        EXPECT_EQ(drawn[1].to, QPointF(W / 2, 0));
        EXPECT_EQ(drawn[0].color, box.foreColor());

        const std::vector<Column> columns = envelope(box);
        ASSERT_EQ(columns.size(), std::size_t(row.box.width()));
        double peak = 0;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(columns[i].x, double(i + 1));
            EXPECT_NEAR(columns[i].low, -columns[i].up, 1e-4);
            peak = std::max(peak, std::abs(columns[i].up));
        }
        EXPECT_NEAR(peak, row.peak, row.peak * 0.01 + 1e-9);
        EXPECT_EQ(signChanges(columns, row.peak * 0.01), row.signChanges);
        // the filling joins the curves in every column
        const platform::DrawnPrimitive &fill = drawn[4];
        EXPECT_EQ(fill.color, QColor(240, 255, 255));
        EXPECT_EQ(fill.from.x(), 1);
        EXPECT_EQ(fill.to.x(), 1);
        EXPECT_EQ(box.drawWidth(), 1);
    }
}
