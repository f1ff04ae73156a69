#pragma once

#include "common/SampleChunks.h"

#include <cstdint>

namespace modSine {

// n frames of a sine of frequency f, both channels alike, at amplitude step A (0..9) of 1600
// each: A = 9 peaks at 14400, A = 0 is silence.
void MakeSineTone(const float &A, const float &f, const std::int32_t &n, SampleChunks &chunks);

} // namespace modSine
