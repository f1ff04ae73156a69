#pragma once

#include "common/SampleChunks.h"

#include <array>
#include <cstdint>

namespace vevuzevu {

// Amplitudes of harmonics 1 to 4 in percent.
using SpektrumAmplitudes = std::array<std::int16_t, 4>;

namespace ModSpektrum {

// FrameCount frames of the four harmonics of Frequency, both channels alike; at most ±8520, so
// no gain is needed and none is applied.
void SynthesizeSpektrum(const float &Frequency, const SpektrumAmplitudes &Amplitudes, const std::int32_t &FrameCount,
                        SampleChunks &Chunks);

} // namespace ModSpektrum
} // namespace vevuzevu
