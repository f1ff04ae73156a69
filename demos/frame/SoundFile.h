#pragma once

#include "common/SampleChunks.h"
#include "common/WaveFormat.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace demos {

// Amplitude per step of a loudness slider (1 to 10).
inline constexpr float LoudnessStep = 1600.0f;

// Fills `format`, lets `generate` synthesise `seconds` of sound into fresh chunks and writes
// them to `path` with the matching sample count. Throws platform::FileError on a write
// failure and std::overflow_error when the counts do not fit in 32 bits.
void writeDemoSound(const QString &path, WaveFormat &format, std::int32_t seconds,
                    const std::function<void(std::int32_t frameCount, SampleChunks &chunks)> &generate);

} // namespace demos
