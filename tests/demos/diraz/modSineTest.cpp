#include "demos/diraz/modSine.h"

#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace testing_support;

TEST(modSine, SamplesFollowTheSineAtTheAmplitudeStep)
{
    // 11025 Hz is a quarter turn per frame: frames run 1, 0, -1, 0 of the amplitude. At frame 2205
    // of 5 Hz and frame 25 of 3087 Hz the sine is exactly 1 and -1.
    const struct {
        const char *name;
        float A;
        float f;
        std::int32_t frames;
        std::vector<std::int16_t> lastFrames;
    } rows[] = {
        {"step 5", 5, 11025, 4, {8000, 8000, 0, 0, -8000, -8000, 0, 0}},
        {"step 9, the loudest", 9, 11025, 4, {14400, 14400, 0, 0, -14400, -14400, 0, 0}},
        {"step 0 is silence", 0, 11025, 4, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"a crest of 2.5 rounds down to even", 0.0015625f, 5, 2205, {2, 2}},
        {"a crest of 3.5 rounds up to even", 0.0021875f, 5, 2205, {4, 4}},
        {"a trough of -32768 is a valid sample", 20.48f, 3087, 25, {-32768, -32768}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        modSine::MakeSineTone(row.A, row.f, row.frames, chunks);
        const std::vector<std::int16_t> values = samples(chunks[0]);
        ASSERT_EQ(values.size(), 2 * std::size_t(row.frames));
        EXPECT_EQ(std::vector<std::int16_t>(values.end() - std::ptrdiff_t(row.lastFrames.size()), values.end()),
                  row.lastFrames);
    }
}

TEST(modSine, NineSecondsFillTwentySevenChunks)
{
    SampleChunks chunks;
    modSine::MakeSineTone(9.0f, 20000.0f, 9 * 44100, chunks);
    for (int k = 0; k < 26; ++k)
        ASSERT_EQ(chunks[std::size_t(k)].size(), BytesPerChunk) << k;
    EXPECT_EQ(chunks[26].size(), (9 * 44100 - 26 * FramesPerChunk) * 4);
    EXPECT_TRUE(chunks[27].isEmpty());
    const std::vector<std::int16_t> values = samples(joined(chunks));
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 14400);
}

TEST(modSine, BuildsItsFormulaOnThreadsAsInSequence)
{
    const float omega = SampleMath::Omega(1000);
    const auto frame = [&](std::int32_t n) {
        const double s = 14400.0 * std::sin(double(omega) * n);
        return StereoValue{s, s};
    };
    for (std::int32_t frames : {1, 15001, 88200, 441000}) {
        SampleChunks fromGenerator, reference;
        modSine::MakeSineTone(9.f, 1000.f, frames, fromGenerator);
        FillSampleChunksSequentially(reference, frames, frame, [](std::span<std::int16_t>) {});
        EXPECT_EQ(joined(fromGenerator), joined(reference)) << frames;
    }
}
