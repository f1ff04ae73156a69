#include "demos/dazuv/ModPegel.h"

#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_support::joined;
using testing_support::samples;

namespace {

constexpr int Block = 22050;

// The largest left value of each half-second block.
std::vector<int> blockPeaks(const std::vector<std::int16_t> &values)
{
    std::vector<int> peaks;
    for (std::size_t frame = 0; 2 * frame < values.size(); ++frame) {
        if (frame % Block == 0)
            peaks.push_back(0);
        peaks.back() = std::max(peaks.back(), std::abs(int(values[2 * frame])));
    }
    return peaks;
}

} // namespace

TEST(ModPegel, DesignValuesStartQuietAndRiseOnAZeroCrossing)
{
    SampleChunks chunks;
    ModPegel::MakeLevelDifferenceTone(7.0f, 10.0f, 3 * 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    ASSERT_EQ(values.size(), std::size_t(2 * 132300));
    EXPECT_EQ(std::vector<std::int16_t>(values.begin(), values.begin() + 6),
              (std::vector<std::int16_t>{99, 99, 197, 197, 290, 290}));
    // frame 22050 ends the quiet block at the axis; 22051 is the first raised frame
    EXPECT_EQ(values[2 * 22049], 0);
    EXPECT_EQ(values[2 * 22050], 314);
    EXPECT_EQ(values[2 * 22050 + 1], 314);
    EXPECT_EQ(blockPeaks(values), (std::vector<int>{700, 2214, 700, 2214, 700, 2214}));
    for (std::size_t i = 0; i < values.size(); i += 2)
        ASSERT_EQ(values[i], values[i + 1]) << "frame " << i / 2 + 1;
}

TEST(ModPegel, BlockPeaksOverTheLevelRange)
{
    const struct {
        const char *name;
        float V, D;
        std::vector<int> peaks;
    } rows[] = {
        {"0 dB: a steady tone", 7, 0, {700, 700, 700, 700}},
        {"25 dB at the loudest, the largest value of all", 10, 25, {1000, 17783, 1000, 17783}},
        {"20 dB at the quietest", 1, 20, {100, 1000, 100, 1000}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        ModPegel::MakeLevelDifferenceTone(row.V, row.D, 2 * 44100, chunks);
        EXPECT_EQ(blockPeaks(samples(joined(chunks))), row.peaks);
    }
}

TEST(ModPegel, From26DecibelsNothingIsWritten)
{
    for (float D : {26.0f, 27.0f, 100.0f}) {
        SCOPED_TRACE(D);
        SampleChunks chunks;
        chunks[0] = QByteArray("left over");
        ModPegel::MakeLevelDifferenceTone(10.0f, D, 10 * 44100, chunks);
        EXPECT_TRUE(std::all_of(chunks.begin(), chunks.end(), [](const QByteArray &c) { return c.isEmpty(); }));
    }
}
