#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"
#include "thresholds/limbra/ModTon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using testing_support::joined;

namespace {

// Both channels of a threshold tone as a played file holds them, after checking its length.
std::vector<std::int16_t> threshold(std::int32_t A, float T, float L, float f)
{
    SampleChunks chunks;
    chunks[9] = "stale";
    ModTon::MakeThresholdTone(A, T, L, f, chunks);
    EXPECT_EQ(joined(chunks).size(), 352800) << "always two seconds";
    EXPECT_EQ(chunks[5].size(), 52800);
    EXPECT_TRUE(chunks[6].isEmpty() && chunks[9].isEmpty());
    const QByteArray file = QByteArray(44, '\0') + joined(chunks);
    const auto left = testing_support::channelOf(file, 0, 44);
    EXPECT_EQ(left, testing_support::channelOf(file, 1, 44)) << "both ears alike";
    return left;
}

} // namespace

TEST(ModTon, ThresholdToneSamples)
{
    const struct {
        const char *name;
        std::int32_t A;
        float T, L, f;
        std::vector<std::int16_t> first;
        int peak;
    } rows[] = {
        {"0 dB at the default reference", 32, 0, 0, 1000, {5, 9, 13, 17, 21}, 32},
        {"20 dB below 0 dB is a tenth", 320, 3, -23, 1000, {5, 9, 13, 17, 21}, 32},
        {"the loudest tone of the panel", 64, 40, 14, 50, {}, 32076},
        {"a control's fine level up to 70 dB", 10, 40, 30, 50, {}, 31623},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto tone = threshold(row.A, row.T, row.L, row.f);
        EXPECT_TRUE(std::equal(row.first.begin(), row.first.end(), tone.begin()));
        EXPECT_EQ(testing_support::peak(tone), row.peak);
    }
    // only samples beyond 16 bits are refused, not a level
    SampleChunks chunks;
    EXPECT_THROW(ModTon::MakeThresholdTone(64, 40, 30, 50, chunks), SynthesisError);
}

TEST(ModTon, OnlyTheSumOfThresholdAndBarValueIsHeard)
{
    EXPECT_EQ(threshold(32, 40, -5, 50), threshold(32, 30, 5, 50));
    // frame n against the formula, across the chunk boundaries
    const float omega = float(1000.0 * 6.283185308 / 44100.0);
    const auto tone = threshold(21, 5.5f, 48, 1000);
    for (int n : {1, 15000, 15001, 30001, 60001, 88200}) {
        const double v = std::pow(10.0, 53.5 / 20.0) * 21 * std::sin(double(omega) * n);
        EXPECT_EQ(tone[std::size_t(n - 1)], std::int16_t(std::nearbyint(v))) << "frame " << n;
    }
}
