#pragma once

#include "common/SampleChunks.h"

#include <cstdint>

namespace ModFreq {

// n frames of a carrier fg whose pitch swings by Δf = A/10 × fg, fmod times a second, at
// loudness L (1600 per step), both channels alike.
void SynthesizeFM(const float &L, const float &fg, const float &A, const float &fmod, const std::int32_t &n,
                  SampleChunks &chunks);

} // namespace ModFreq
