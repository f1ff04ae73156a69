#pragma once

#include "common/SampleChunks.h"

#include <cstdint>

namespace modSchwebung {

// n frames of two sines of equal amplitude, f1 and f2, both channels alike; loudness level L
// (0..10) gives each sine L / 10 × 16000, so the sum peaks at 32000 and L = 0 is silence.
void SynthesizeSchwebung(const float &L, const float &f1, const float &f2, const std::int32_t &n,
                         SampleChunks &chunks);

} // namespace modSchwebung
