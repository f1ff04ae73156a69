#pragma once

// The left channel of a generator's tone, or of stereo bytes, checked against the right one.

#include "common/SampleChunks.h"
#include "support/WaveBytes.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace demo_tests {

using Synthesis = void (*)(const float &, const float &, const float &, const float &, const std::int32_t &,
                           SampleChunks &);

// The left channel of `frames` frames; the right one must be the same.
inline std::vector<std::int16_t> leftChannel(Synthesis synthesize, float a, float b, float c, float d,
                                             std::int32_t frames)
{
    SampleChunks chunks;
    synthesize(a, b, c, d, frames, chunks);
    const QByteArray bytes = testing_support::joined(chunks);
    EXPECT_EQ(testing_support::samples(bytes).size(), std::size_t(frames) * 2);
    const std::vector<std::int16_t> left = testing_support::channelOf(bytes, 0);
    const std::vector<std::int16_t> right = testing_support::channelOf(bytes, 1);
    for (std::size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(left[i], right[i]) << "frame " << i + 1;
    return left;
}

// The left channel of 16-bit stereo bytes from `offset` on; the right one must be the same.
inline std::vector<std::int16_t> leftChannel(const QByteArray &bytes, qsizetype offset = 0)
{
    const std::vector<std::int16_t> left = testing_support::channelOf(bytes, 0, offset);
    const std::vector<std::int16_t> right = testing_support::channelOf(bytes, 1, offset);
    std::size_t unequal = 0;
    for (std::size_t i = 0; i < left.size(); ++i)
        unequal += left[i] != right[i];
    EXPECT_EQ(unequal, 0u) << "frames whose channels differ";
    return left;
}

} // namespace demo_tests
