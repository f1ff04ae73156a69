#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"
#include "thresholds/varnik/ModFrequenztest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace varnik::ModFrequenztest;
using testing_support::joined;

namespace {

// Both channels alike; the left one's samples.
std::vector<std::int16_t> left(const SampleChunks &chunks)
{
    const QByteArray file = QByteArray(44, 0) + joined(chunks);
    EXPECT_EQ(testing_support::channelOf(file, 0, 44), testing_support::channelOf(file, 1, 44));
    return testing_support::channelOf(file, 0, 44);
}

} // namespace

// 10000 × sin(ωn − (Δf / 4) × sin(ωm n)) from n = 1, ω and ωm in single precision.
TEST(ModFrequenztest, SamplesOfPlainAndSwingingTones)
{
    struct Row {
        const char *name;
        float freq, deltaF;
        std::vector<std::int16_t> first;
    };
    const Row rows[] = {
        {"no swing: a plain 1000 Hz sine", 1000, 0, {1420, 2811, 4145}},
        {"50 Hz swinging by 3.8 Hz starts at its lowest", 50, 3.8f, {66, 132}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks fm;
        fm[200] = "left over";
        GenerateFmTone(1000, row.freq, row.deltaF, 88200, fm);
        const std::vector<std::int16_t> values = left(fm);
        ASSERT_EQ(values.size(), 88200u);
        EXPECT_EQ(std::vector<std::int16_t>(values.begin(), values.begin() + std::ptrdiff_t(row.first.size())), row.first);
        const double omega = double(float(row.freq * 6.283185308 / 44100));
        const double omegaM = double(float(25.132741232 / 44100));
        for (std::size_t j = 0; j < values.size(); ++j) {
            const double n = double(j + 1);
            const double expected = 10000 * std::sin(omega * n - (double(row.deltaF) / 4) * std::sin(omegaM * n));
            ASSERT_EQ(values[j], std::int16_t(std::nearbyint(expected))) << "frame " << n;
        }
    }
    // the hosted control's page tone, ten times its amplitude, is the same sound
    SampleChunks fm, sine;
    GenerateFmTone(1000, 1000, 0, 88200, fm);
    GenerateSineTone(1000, 1000, sine, 10);
    EXPECT_EQ(joined(sine), joined(fm));
}

TEST(ModFrequenztest, ALevelBeyondSixteenBitsIsRefused)
{
    SampleChunks chunks;
    EXPECT_THROW(GenerateFmTone(4000, 1000, 0, 88200, chunks), SynthesisError);
    EXPECT_THROW(GenerateSineTone(4000, 1000, chunks, 10), SynthesisError);
}
