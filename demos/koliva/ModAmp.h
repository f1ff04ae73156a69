#pragma once

#include "common/SampleChunks.h"

#include <cstdint>

namespace ModAmp {

// n frames of a carrier fc whose amplitude L × 1600 is modulated by M/10 at fmod, both channels
// alike; M = 0 or fmod = 0 give the plain carrier.
void SynthesizeAM(const float &L, const float &M, const float &fc, const float &fmod, const std::int32_t &n,
                  SampleChunks &chunks);

} // namespace ModAmp
