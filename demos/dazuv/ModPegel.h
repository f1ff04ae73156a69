#pragma once

#include "common/SampleChunks.h"

#include <cstdint>

namespace ModPegel {

// From this level difference on no example is generated: the raised half would overdrive.
inline constexpr int FirstSilentLevel = 26;

// n frames of a 1000 Hz tone in half-second blocks, both channels alike: even blocks at the
// reference amplitude V × 100, odd blocks raised by D dB. From FirstSilentLevel on nothing is
// written and every chunk stays empty.
void MakeLevelDifferenceTone(const float &V, const float &D, const std::int32_t &n, SampleChunks &chunks);

} // namespace ModPegel
