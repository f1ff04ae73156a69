#pragma once

#include "common/SampleChunks.h"

#include <array>
#include <cstdint>
#include <span>

namespace rovad {

// Amplitudes of harmonics 1 to 15 in percent.
using KlangAmplitudes = std::array<std::int16_t, 15>;

namespace modKlang {

// The positive peak a tone is raised towards.
inline constexpr std::int16_t TargetPeak = 19170;

// Raises one chunk's values, just before they are copied, by the whole number
// TargetPeak / M, where M is the largest value of every frame so far; a chunk that already
// reaches the target, or silence, stays as it is. Values beyond 16 bits saturate.
class GainStep {
public:
    void operator()(std::span<std::int16_t> values);

private:
    std::int16_t m_maximum = 0;
};

// FrameCount frames of the fifteen harmonics of Frequency, both channels alike, each chunk
// raised by the gain step.
void SynthesizeKlang(const float &Frequency, const KlangAmplitudes &Amplitudes, const std::int32_t &FrameCount,
                     SampleChunks &Chunks);

} // namespace modKlang
} // namespace rovad
