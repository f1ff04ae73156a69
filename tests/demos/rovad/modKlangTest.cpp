#include "demos/LeftChannel.h"
#include "demos/rovad/KlangTesting.h"

#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace demo_tests;
using namespace testing_support;
using rovad::KlangAmplitudes;

// Every chunk of a tone whose period fits in the first chunk is raised by one whole factor.
TEST(modKlang, GainRaisesThePeakTowards19170)
{
    const struct {
        const char *name;
        KlangAmplitudes amplitudes;
        int gain;
        std::int16_t firstChunkPeak;
    } rows[] = {
        {"fundamental at 100 %", {100}, 9, 19170},
        {"fundamental at 1 %", {1}, 912, 19152},
        {"a decaying set", {100, 50, 33, 25, 20, 17, 14, 12, 11, 10, 9, 8, 8, 7, 7}, 5, 18570},
        {"all fifteen at 100 %: no gain", {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         1, 23859},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        rovad::modKlang::SynthesizeKlang(100.0f, row.amplitudes, 3 * 44100, chunks);
        const std::vector<std::int16_t> left = leftChannel(joined(chunks));
        ASSERT_EQ(left.size(), 3u * 44100);
        for (std::int32_t n = 1; n <= 3 * 44100; ++n)
            ASSERT_EQ(left[std::size_t(n - 1)], std::int16_t(unraised(row.amplitudes, 100.0f, n) * row.gain)) << n;
        const std::vector<std::int16_t> first = leftChannel(chunks[0]);
        EXPECT_EQ(*std::max_element(first.begin(), first.end()), row.firstChunkPeak);
    }
}

// At -1.6 Hz the first chunk holds a whole negative half-wave but a positive peak below 600:
// the gain of 32 would take -2130 to -68160. The next chunk's gain comes from the maximum so far.
TEST(modKlang, AGainBeyondSixteenBitsSaturates)
{
    const KlangAmplitudes amplitudes{100};
    SampleChunks chunks;
    rovad::modKlang::SynthesizeKlang(-1.6f, amplitudes, 2 * FramesPerChunk, chunks);
    const std::vector<std::int16_t> left = leftChannel(joined(chunks));
    int saturated = 0;
    std::int16_t maximum = 0;
    for (std::int32_t n = 1; n <= FramesPerChunk; ++n) {
        const std::int32_t raised = unraised(amplitudes, -1.6f, n) * 32;
        ASSERT_EQ(left[std::size_t(n - 1)], std::clamp(raised, -32768, 32767)) << n;
        saturated += raised < -32768;
        maximum = std::max(maximum, unraised(amplitudes, -1.6f, n));
    }
    EXPECT_GT(saturated, 1000);
    for (std::int32_t n = FramesPerChunk + 1; n <= 2 * FramesPerChunk; ++n)
        maximum = std::max(maximum, unraised(amplitudes, -1.6f, n));
    const int gain = 19170 / maximum;
    EXPECT_LT(gain, 32);
    for (std::int32_t n = FramesPerChunk + 1; n <= 2 * FramesPerChunk; ++n)
        ASSERT_EQ(left[std::size_t(n - 1)], unraised(amplitudes, -1.6f, n) * gain) << n;
}
