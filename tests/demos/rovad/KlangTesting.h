#pragma once

// What Rovad's tone, plot and window tests share, without widgets.

#include "demos/frame/HarmonicSum.h"
#include "demos/rovad/modKlang.h"

#include "common/SampleChunkBuilder.h"

#include <cstdint>

namespace demo_tests {

// Frame n before the gain step.
inline std::int16_t unraised(const rovad::KlangAmplitudes &amplitudes, float frequency, std::int32_t n)
{
    return demos::HarmonicSum(amplitudes, SampleMath::Omega(frequency), n);
}

// The boxes' inside at 4575 × 3135 twips within their sunken frames.
inline constexpr int W = 301;
inline constexpr int H = 205;

} // namespace demo_tests
