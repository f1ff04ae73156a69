#include "demos/rozurovev/modSchwebung.h"

#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

TEST(modSchwebung, BothFrequenciesAndTheirBeats)
{
    // half a turn against a quarter: the sines cancel on every second frame
    SampleChunks first;
    modSchwebung::SynthesizeSchwebung(6.0f, 11025.0f, 22050.0f, 4, first);
    EXPECT_EQ(samples(first[0]), (std::vector<std::int16_t>{9600, 9600, 0, 0, -9600, -9600, 0, 0}));

    // 20 Hz apart: loud where the sines agree (every 1/20 s), near silent half-way between
    SampleChunks chunks;
    modSchwebung::SynthesizeSchwebung(6.0f, 1000.0f, 1020.0f, 44100, chunks);
    const std::vector<std::int16_t> values = samples(joined(chunks));
    auto peakAround = [&](int frame, int frames) {
        const auto from = values.begin() + 2 * (frame - frames);
        return peak(std::vector<std::int16_t>(from, from + 4 * frames));
    };
    for (int beat = 1; beat < 20; ++beat) {
        SCOPED_TRACE(beat);
        EXPECT_GT(peakAround(beat * 2205, 30), 19000);
        EXPECT_LT(peakAround(beat * 2205 - 1102, 10), 700);
    }
}
