#include "audiometry/Modtest.h"
#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace testing_support;

namespace {

// The one-ear formula worked out again, independently of the generator.
std::int16_t expectedOneEar(std::int32_t A, float N, float v, float f, int n)
{
    const float omega = float(double(f) * 6.283185308 / 44100.0);
    const double gain = std::pow(10.0, (double(N) + double(v)) / 20.0);
    return std::int16_t(std::nearbyint(gain * double(A) * std::sin(double(omega) * double(n))));
}

std::vector<std::int16_t> channel(const SampleChunks &chunks, int which)
{
    return testing_support::channelOf(joined(chunks), which);
}

bool allZero(const std::vector<std::int16_t> &values)
{
    return std::all_of(values.begin(), values.end(), [](std::int16_t v) { return v == 0; });
}

} // namespace

TEST(Modtest, OneEarTonesAreSilentOnTheOtherEar)
{
    struct Row {
        const char *name;
        bool right;
        std::int32_t A;
        float N, v, f;
    };
    const Row rows[] = {
        {"right 50 Hz at 36 dB", true, 32, 40.f, -4.f, 50.f},
        {"left 3000 Hz at the bottom of the bar", false, 32, -5.5f, -10.f, 3000.f},
        {"right 500 Hz at the top of the bar, loudest reference", true, 64, 5.5f, 48.f, 500.f},
        {"left 10000 Hz", false, 21, 10.f, 44.f, 10000.f},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        if (row.right)
            Modtest::MakeToneRight(row.A, row.N, row.v, row.f, chunks);
        else
            Modtest::MakeToneLeft(row.A, row.N, row.v, row.f, chunks);
        const auto silent = channel(chunks, row.right ? 0 : 1);
        const auto tone = channel(chunks, row.right ? 1 : 0);
        ASSERT_EQ(tone.size(), 88200u);
        EXPECT_TRUE(allZero(silent));
        for (int n : {1, 2, 15000, 15001, 30001, 45001, 60001, 88200})
            EXPECT_EQ(tone[std::size_t(n - 1)], expectedOneEar(row.A, row.N, row.v, row.f, n)) << "frame " << n;
        const auto peak = *std::max_element(tone.begin(), tone.end());
        const double amplitude = std::pow(10.0, (row.N + row.v) / 20.0) * row.A;
        EXPECT_NEAR(peak, amplitude, 1.0);
    }
}

TEST(Modtest, ChunkLayoutIsAlwaysTwoSeconds)
{
    SampleChunks chunks;
    chunks[7] = "stale";
    Modtest::MakeToneRight(32, 40, -4, 50, chunks);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(chunks[std::size_t(k)].size(), 60000);
    EXPECT_EQ(chunks[5].size(), 52800);
    for (int k = 6; k < SampleChunkCount; ++k)
        EXPECT_TRUE(chunks[std::size_t(k)].isEmpty());
}

TEST(Modtest, BothChannelsEqualAndAmplitudeAsGiven)
{
    SampleChunks chunks;
    Modtest::MakeToneBoth(16384, 1000, chunks);
    const auto left = channel(chunks, 0);
    EXPECT_EQ(left, channel(chunks, 1));
    const float omega = float(1000.0 * 6.283185308 / 44100.0);
    for (int n : {1, 11, 15001, 88200})
        EXPECT_EQ(left[std::size_t(n - 1)], std::int16_t(std::nearbyint(16384 * std::sin(double(omega) * n))));
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 16384);
}

TEST(Modtest, ZeroAmplitudeOrFrequencyGivesFullLengthSilence)
{
    SampleChunks a, b, c;
    Modtest::MakeToneRight(0, 40, 14, 50, a);
    Modtest::MakeToneBoth(32, 0, b);
    Modtest::MakeToneLeft(32, 3, 0, 0, c);
    for (const SampleChunks *chunks : {&a, &b, &c}) {
        const QByteArray bytes = joined(*chunks);
        EXPECT_EQ(bytes.size(), 352800);
        EXPECT_EQ(bytes.count('\0'), 352800);
    }
}

TEST(Modtest, UnityGainGivesThePlainSine)
{
    SampleChunks chunks;
    Modtest::MakeToneRight(32, 5.5f, -5.5f, 1000, chunks);
    const float omega = float(1000.0 * 6.283185308 / 44100.0);
    const auto right = channel(chunks, 1);
    for (int n = 1; n <= 100; ++n)
        ASSERT_EQ(right[std::size_t(n - 1)], std::int16_t(std::nearbyint(32 * std::sin(double(omega) * n))));
}

TEST(Modtest, RepeatsAreByteIdentical)
{
    SampleChunks first, second;
    Modtest::MakeToneLeft(32, 14, 7, 9000, first);
    Modtest::MakeToneLeft(32, 14, 7, 9000, second);
    EXPECT_EQ(joined(first), joined(second));
}

TEST(Modtest, GeneratorsBuildTheirFormulaOnThreadsAsInSequence)
{
    const float omega = SampleMath::Omega(1000);
    const double gain = std::pow(10.0, (3.0 + 51.0) / 20.0);
    struct Row {
        const char *name;
        std::function<StereoValue(std::int32_t)> frame;
        std::function<void(SampleChunks &)> generator;
    };
    const Row rows[] = {
        {"right ear", [&](std::int32_t n) { return StereoValue{0.0, gain * 64 * std::sin(double(omega) * n)}; },
         [](SampleChunks &c) { Modtest::MakeToneRight(64, 3.f, 51.f, 1000.f, c); }},
        {"left ear", [&](std::int32_t n) { return StereoValue{gain * 64 * std::sin(double(omega) * n), 0.0}; },
         [](SampleChunks &c) { Modtest::MakeToneLeft(64, 3.f, 51.f, 1000.f, c); }},
        {"calibration tone, both ears",
         [&](std::int32_t n) { const double s = 16384 * std::sin(double(omega) * n); return StereoValue{s, s}; },
         [](SampleChunks &c) { Modtest::MakeToneBoth(16384, 1000.f, c); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks fromGenerator, reference;
        row.generator(fromGenerator);
        FillSampleChunksSequentially(reference, Modtest::ToneFrames, row.frame, [](std::span<std::int16_t>) {});
        EXPECT_EQ(joined(fromGenerator), joined(reference));
    }
}
