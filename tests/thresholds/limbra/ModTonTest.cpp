#include "audiometry/AudiometryTesting.h"
#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"
#include "thresholds/limbra/ModTon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace testing_support;

namespace {

using audiometry_testing::peak;

struct Tone {
    std::vector<std::int16_t> left, right;
};

Tone threshold(std::int32_t A, float T, float L, float f)
{
    SampleChunks chunks;
    chunks[9] = "stale";
    ModTon::MakeThresholdTone(A, T, L, f, chunks);
    EXPECT_EQ(joined(chunks).size(), 352800) << "always two seconds";
    EXPECT_EQ(chunks[5].size(), 52800);
    EXPECT_TRUE(chunks[6].isEmpty() && chunks[9].isEmpty());
    // as a played file would hold it, behind a header
    const QByteArray file = QByteArray(44, '\0') + joined(chunks);
    return Tone{audiometry_testing::channel(file, 0), audiometry_testing::channel(file, 1)};
}

} // namespace

TEST(ModTon, ThresholdToneSamples)
{
    struct Row {
        const char *name;
        std::int32_t A;
        float T, L, f;
        std::vector<std::int16_t> first;
        int peak;
    };
    const Row rows[] = {
        {"0 dB at the default reference", 32, 0, 0, 1000, {5, 9, 13, 17, 21}, 32},
        {"the loudest tone of the panel", 64, 40, 14, 50, {}, 32076},
        {"the first tone after a cancelled wizard, about 1800", 32, 40, -5, 50, {}, 1799},
        {"20 dB below 0 dB is a tenth", 320, 3, -23, 1000, {5, 9, 13, 17, 21}, 32},
        {"no reference, no sound", 0, 40, 14, 50, {0, 0, 0, 0, 0}, 0},
        {"a control's fine level up to 70 dB", 10, 40, 30, 50, {}, 31623},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Tone tone = threshold(row.A, row.T, row.L, row.f);
        EXPECT_EQ(tone.left, tone.right) << "both ears alike";
        EXPECT_TRUE(std::equal(row.first.begin(), row.first.end(), tone.left.begin()));
        EXPECT_EQ(peak(tone.left), row.peak);
    }
}

TEST(ModTon, OnlyTheSumOfThresholdAndBarValueIsHeard)
{
    const Tone a = threshold(32, 40, -5, 50);
    const Tone b = threshold(32, 30, 5, 50);
    EXPECT_EQ(a.left, b.left);
    // frame n against the formula, across the chunk boundaries
    const float omega = float(1000.0 * 6.283185308 / 44100.0);
    const Tone c = threshold(21, 5.5f, 48, 1000);
    for (int n : {1, 15000, 15001, 30001, 60001, 88200}) {
        const double v = std::pow(10.0, 53.5 / 20.0) * 21 * std::sin(double(omega) * n);
        EXPECT_EQ(c.left[std::size_t(n - 1)], std::int16_t(std::nearbyint(v))) << "frame " << n;
    }
}

TEST(ModTon, RefusesOnlySamplesBeyondSixteenBits)
{
    SampleChunks chunks;
    EXPECT_THROW(ModTon::MakeThresholdTone(64, 40, 30, 50, chunks), SynthesisError);
    EXPECT_NO_THROW(ModTon::MakeThresholdTone(10, 40, 30, 50, chunks));
}
