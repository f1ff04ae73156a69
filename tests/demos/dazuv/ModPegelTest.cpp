#include "demos/WholeTones.h"
#include "demos/dazuv/ModPegel.h"

#include "common/WaveFormat.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace demo_tests;
using namespace testing_support;

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
    std::vector<int> blockPeaks;
    for (auto block = values.begin(); block != values.end(); block += 2 * 22050)
        blockPeaks.push_back(peak(std::vector<std::int16_t>(block, block + 2 * 22050)));
    EXPECT_EQ(blockPeaks, (std::vector<int>{700, 2214, 700, 2214, 700, 2214}));
}

// Frames 1 to 22050 are the first, quiet block. At the design values a boundary frame lies on
// the axis either way; louder and longer, the later boundaries are off it by a few steps.
TEST(ModPegel, WholeTonesBlockByBlock)
{
    const struct {
        const char *name;
        float V, D;
        int seconds;
    } rows[] = {
        {"design values", 7, 10, 3},
        {"loudest and longest that is played", 10, 25, 10},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::int32_t frames = row.seconds * Sound::SampleRate;
        SampleChunks chunks;
        ModPegel::MakeLevelDifferenceTone(row.V, row.D, frames, chunks);
        const float omega = float(6283.185308 / Sound::SampleRate);  // 2π × 1000 Hz per frame
        const double reference = row.V * 100.0;
        const double raised = std::pow(10.0, row.D / 20.0) * row.V * 100.0;
        const auto value = [&](std::int32_t n) {
            return ((n - 1) / 22050 % 2 == 0 ? reference : raised) * std::sin(omega * double(n));
        };
        expectWholeTone(samples(joined(chunks)), formulaTone(frames, value), 2);
    }
}

TEST(ModPegel, From26DecibelsNothingIsWritten)
{
    for (float D : {26.0f, 100.0f}) {
        SCOPED_TRACE(D);
        SampleChunks chunks;
        chunks[0] = QByteArray("left over");
        ModPegel::MakeLevelDifferenceTone(10.0f, D, 10 * 44100, chunks);
        EXPECT_TRUE(std::all_of(chunks.begin(), chunks.end(), [](const QByteArray &c) { return c.isEmpty(); }));
    }
}
