#include "demos/LeftChannel.h"
#include "demos/vevuzevu/ModSpektrum.h"

#include "common/SampleChunkBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace demo_tests;
using vevuzevu::SpektrumAmplitudes;

namespace {

std::vector<std::int16_t> firstFrames(const SpektrumAmplitudes &amplitudes, float frequency, int frames)
{
    SampleChunks chunks;
    vevuzevu::ModSpektrum::SynthesizeSpektrum(frequency, amplitudes, frames, chunks);
    return leftChannel(chunks[0]);
}

} // namespace

// Rounding the sum once differs in some frames; the generator must round after each harmonic.
TEST(ModSpektrum, EachHarmonicIsRoundedIntoTheRunningValue)
{
    EXPECT_EQ(firstFrames({100, 0, 0, 0}, 200.0f, 3), (std::vector<std::int16_t>{61, 121, 182}));
    EXPECT_EQ(firstFrames({100, 100, 100, 100}, 200.0f, 4), (std::vector<std::int16_t>{606, 1206, 1798, 2375}));

    const SpektrumAmplitudes amplitudes{37, 81, 13, 59};
    const std::vector<std::int16_t> frames = firstFrames(amplitudes, 430.0f, 15000);
    const double omega = SampleMath::Omega(430.0f);
    int differ = 0;
    for (int n = 1; n <= 15000; ++n) {
        double stepwise = 0;
        double once = 0;
        for (int j = 0; j < 4; ++j) {
            const double term = amplitudes[std::size_t(j)] / 100.0 * 2130.0 * std::sin(omega * n * (j + 1));
            stepwise = std::nearbyint(term + stepwise);
            once += term;
        }
        ASSERT_EQ(frames[std::size_t(n - 1)], stepwise) << "frame " << n;
        differ += std::nearbyint(once) != stepwise;
    }
    EXPECT_GT(differ, 100);
}
