#pragma once

// A generator's whole tone against the same tone worked out here from its formula.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace demo_tests {

// Frames 1 to `frames` of `value(n)`, rounded to the nearest integer with ties to even.
inline std::vector<std::int16_t> formulaTone(std::int32_t frames, const std::function<double(std::int32_t)> &value)
{
    std::vector<std::int16_t> tone;
    tone.reserve(std::size_t(frames));
    for (std::int32_t n = 1; n <= frames; ++n)
        tone.push_back(std::int16_t(std::nearbyint(value(n))));
    return tone;
}

// `values` holds `expected` frame by frame, in each of its `channels` interleaved channels; a
// failure names how many samples differ and the first of them.
inline void expectWholeTone(const std::vector<std::int16_t> &values, const std::vector<std::int16_t> &expected,
                            std::size_t channels = 1)
{
    ASSERT_EQ(values.size(), expected.size() * channels);
    std::size_t differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != expected[i / channels] && differing++ == 0)
            first = i;
    EXPECT_EQ(differing, 0u) << "samples differ, the first at frame " << first / channels + 1 << ", channel " << first % channels
                             << ": " << values[first] << " instead of " << expected[first / channels];
}

} // namespace demo_tests
