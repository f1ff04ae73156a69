#include "demos/LeftChannel.h"
#include "demos/WholeTones.h"
#include "demos/zanter/ModFreq.h"

#include "common/WaveFormat.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace demo_tests;
using namespace testing_support;

// Each whole tone as its formula gives it: the steps to the deviation and the index each held in
// a single, the sample itself in double.
TEST(ModFreq, SamplesOfTheFrequencyModulatedTone)
{
    const struct {
        const char *name;
        float L, fg, A, fmod;
        int seconds;
        std::vector<std::int16_t> firstLeft;
        int peakAtLeast;
        std::pair<int, std::int16_t> frame = {};  // a value given for the settings
    } rows[] = {
        {"start setting: the pitch glides from 250 Hz up", 5, 500, 5, 1, 1, {285, 569, 853, 1136}, 7999},
        {"loudest, deepest, fastest: within 16000", 10, 1000, 10, 20, 1, {}, 15999},
        {"shallowest and slowest, at 400 Hz", 1, 400, 1, 1, 1, {}, 1599},
        // the index taken in double moves 1130 frames by one, the first at 440
        {"an index that a double would round otherwise", 7, 730, 3, 7, 2, {}, 11199, {440, 9741}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::int32_t frames = row.seconds * Sound::SampleRate;
        const std::vector<std::int16_t> left =
            leftChannel(ModFreq::SynthesizeFM, row.L, row.fg, row.A, row.fmod, frames);
        const float omegaCarrier = float(row.fg * Sound::TwoPi / Sound::SampleRate);
        const float omegaModulation = float(row.fmod * Sound::TwoPi / Sound::SampleRate);
        const float deviation = row.A / 10.0f * row.fg;
        const float beta = deviation / row.fmod;
        const auto value = [&](std::int32_t n) {
            return row.L * 1600.0 * std::sin(omegaCarrier * double(n) - beta * std::sin(omegaModulation * double(n)));
        };
        expectWholeTone(left, formulaTone(frames, value));
        EXPECT_EQ(std::vector<std::int16_t>(left.begin(), left.begin() + row.firstLeft.size()), row.firstLeft);
        if (row.frame.first > 0) {
            EXPECT_EQ(left[std::size_t(row.frame.first - 1)], row.frame.second);
        }
        EXPECT_GE(peak(left), row.peakAtLeast);
        EXPECT_LE(peak(left), int(row.L * 1600));
    }
}

TEST(ModFreq, PitchSwingsBetweenCarrierMinusAndPlusTheDeviation)
{
    // fg − Δf·cos(2π fmod t): 250 Hz at the start, 500 Hz at 0,25 s, 750 Hz at 0,5 s; a tenth of a
    // second holds two crossings per period
    const std::vector<std::int16_t> left = leftChannel(ModFreq::SynthesizeFM, 5, 500, 5, 1, 44100);
    for (const auto &[centre, crossings] : {std::pair{2205, 50}, {11025, 100}, {22050, 150}}) {
        int count = 0;
        for (int n = centre - 2205; n < centre + 2205; ++n)
            count += (left[std::size_t(n)] < 0) != (left[std::size_t(n + 1)] < 0);
        EXPECT_NEAR(count, crossings, 3) << centre;
    }
}
