#include "demos/LeftChannel.h"
#include "demos/WholeTones.h"
#include "demos/koliva/ModAmp.h"

#include "common/WaveFormat.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace demo_tests;
using namespace testing_support;

// Each whole tone as its formula gives it: M / 10 held in a single, the rest in double.
TEST(ModAmp, SamplesOfTheAmplitudeModulatedTone)
{
    const struct {
        const char *name;
        float L, M, fc, fmod;
        int seconds;
        std::vector<std::int16_t> firstLeft;
        int peak;  // 32000 is only the bound
        std::pair<int, std::int16_t> frame = {};  // a value given for the settings
    } rows[] = {
        {"start setting: a steady 500 Hz carrier", 5, 0, 500, 0, 1, {569, 1136, 1697, 2249}, 8000},
        {"full depth at 10 Hz, loudest: within the bound, never at it", 10, 10, 500, 10, 1, {}, 31975},
        {"no modulating frequency: the plain carrier", 5, 5, 500, 0, 1, {569, 1136, 1697, 2249}, 8000},
        {"no depth at 10 Hz: the plain carrier", 5, 0, 1000, 10, 1, {}, 8000},
        // 0.3 taken in double moves 32 frames by one, the first at 9951
        {"a depth that a double would round otherwise", 10, 3, 1000, 10, 10, {}, 20757, {9951, -16533}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::int32_t frames = row.seconds * Sound::SampleRate;
        const std::vector<std::int16_t> left =
            leftChannel(ModAmp::SynthesizeAM, row.L, row.M, row.fc, row.fmod, frames);
        const float omegaCarrier = float(row.fc * Sound::TwoPi / Sound::SampleRate);
        const float omegaModulation = float(row.fmod * Sound::TwoPi / Sound::SampleRate);
        const float depth = row.M / 10.0f;
        const auto value = [&](std::int32_t n) {
            const double envelope = depth * std::sin(omegaModulation * double(n)) + 1;
            return envelope * std::sin(omegaCarrier * double(n)) * (row.L * 1600.0);
        };
        expectWholeTone(left, formulaTone(frames, value));
        EXPECT_EQ(std::vector<std::int16_t>(left.begin(), left.begin() + row.firstLeft.size()), row.firstLeft);
        if (row.frame.first > 0) {
            EXPECT_EQ(left[std::size_t(row.frame.first - 1)], row.frame.second);
        }
        EXPECT_EQ(peak(left), row.peak);
    }
}

TEST(ModAmp, FullDepthFallsToSilenceTenTimesASecond)
{
    const std::vector<std::int16_t> left = leftChannel(ModAmp::SynthesizeAM, 10, 10, 500, 10, 44100);
    // the envelope sin(ωm·n) + 1 is 0 at n = 3307,5 + k·4410: quiet there, loud half-way
    for (int k = 0; k < 10; ++k) {
        const auto quiet = left.begin() + 3307 + 4410 * k;
        EXPECT_LT(peak(std::vector<std::int16_t>(quiet - 44, quiet + 45)), 50) << k;
        EXPECT_GT(peak(std::vector<std::int16_t>(quiet - 2205 - 44, quiet - 2205 + 45)), 31000) << k;
    }
}
