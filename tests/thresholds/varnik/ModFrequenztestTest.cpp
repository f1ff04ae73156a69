#include "audiometry/AudiometryTesting.h"
#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"
#include "thresholds/varnik/ModFrequenztest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace varnik::ModFrequenztest;
using audiometry_testing::peak;
using testing_support::joined;

namespace {

std::vector<std::int16_t> left(const SampleChunks &chunks)
{
    const std::vector<std::int16_t> all = testing_support::samples(joined(chunks));
    std::vector<std::int16_t> one;
    for (std::size_t j = 0; j < all.size(); j += 2) {
        EXPECT_EQ(all[j], all[j + 1]) << "both channels alike, frame " << j / 2 + 1;
        one.push_back(all[j]);
    }
    return one;
}

std::vector<int> chunkSizes(const SampleChunks &chunks)
{
    std::vector<int> sizes;
    for (const QByteArray &chunk : chunks)
        if (!chunk.isEmpty())
            sizes.push_back(int(chunk.size()));
    return sizes;
}

} // namespace

TEST(ModFrequenztest, NoSwingIsAPlainSineWithTheSinglePrecisionStepFromFrameOne)
{
    SampleChunks fm;
    GenerateFmTone(1000, 1000, 0, 88200, fm);
    const std::vector<std::int16_t> values = left(fm);
    ASSERT_EQ(values.size(), 88200u);
    // n = 1, 2, 3 of 10000 × sin(ωn), ω = float(1000 × 6.283185308 / 44100)
    EXPECT_EQ(values[0], 1420);
    EXPECT_EQ(values[1], 2811);
    EXPECT_EQ(values[2], 4145);
    const double omega = double(float(1000 * 6.283185308 / 44100));
    for (std::size_t j = 0; j < values.size(); ++j)
        ASSERT_EQ(values[j], std::int16_t(std::nearbyint(10000 * std::sin(omega * double(j + 1))))) << "frame " << j + 1;

    // the hosted control's page tone, ten times its amplitude, is the same sound
    SampleChunks sine;
    GenerateSineTone(1000, 1000, sine, 10);
    EXPECT_EQ(joined(sine), joined(fm));
}

TEST(ModFrequenztest, TheSwingStartsAtItsLowestFromTheFirstFrame)
{
    SampleChunks fm;
    GenerateFmTone(1000, 50, 3.8f, 88200, fm);
    const std::vector<std::int16_t> values = left(fm);
    // sin(ω − 0.95 × sin(ωm)) rather than sin(ω): 66 against 71, 132 against 142
    EXPECT_EQ(values[0], 66);
    EXPECT_EQ(values[1], 132);
    // a quarter of the swing later the carrier lags the plain sine by the whole index
    const double omega = double(float(50 * 6.283185308 / 44100));
    const double omegaM = double(float(25.132741232 / 44100));
    for (int n : {1, 2, 2756, 5513, 11025, 44100, 88200}) {
        const double expected = 10000 * std::sin(omega * n - (double(3.8f) / 4) * std::sin(omegaM * n));
        EXPECT_EQ(values[std::size_t(n - 1)], std::int16_t(std::nearbyint(expected))) << "frame " << n;
    }
}

TEST(ModFrequenztest, FrameCountsChunksAndPeaks)
{
    struct Row {
        const char *name;
        float level;
        float freq;
        float deltaF;
        std::int32_t frames;
        std::vector<int> sizes;
        int peak;
    };
    const Row rows[] = {
        {"a test tone", 1000, 10000, 54, 88200, {60000, 60000, 60000, 60000, 60000, 52800}, 10000},
        {"loudest level", 2000, 50, 3.8f, 88200, {60000, 60000, 60000, 60000, 60000, 52800}, 20000},
        {"quietest level", 500, 200, 1.3f, 88200, {60000, 60000, 60000, 60000, 60000, 52800}, 5000},
        {"one full element", 1000, 1000, 3, 15000, {60000}, 10000},
        {"no frames", 1000, 1000, 3, 0, {}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        chunks[200] = "left over";
        GenerateFmTone(row.level, row.freq, row.deltaF, row.frames, chunks);
        EXPECT_EQ(chunkSizes(chunks), row.sizes);
        EXPECT_NEAR(peak(left(chunks)), row.peak, 1);
    }
}

TEST(ModFrequenztest, PageToneIsTwoSecondsAtItsAmplitudeTimesTheGain)
{
    struct Row {
        float amplitude;
        float gain;
        int peak;
    };
    for (const Row row : {Row{1000, 1, 1000}, Row{2000, 1, 2000}, Row{500, 1, 500}, Row{1000, 10, 10000}}) {
        SCOPED_TRACE(row.amplitude * row.gain);
        SampleChunks chunks;
        GenerateSineTone(row.amplitude, 1000, chunks, row.gain);
        EXPECT_EQ(chunkSizes(chunks), (std::vector<int>{60000, 60000, 60000, 60000, 60000, 52800}));
        EXPECT_EQ(peak(left(chunks)), row.peak);
    }
}

TEST(ModFrequenztest, ALevelBeyondSixteenBitsIsRefused)
{
    SampleChunks chunks;
    EXPECT_THROW(GenerateFmTone(4000, 1000, 0, 88200, chunks), SynthesisError);
    EXPECT_THROW(GenerateSineTone(4000, 1000, chunks, 10), SynthesisError);
}
