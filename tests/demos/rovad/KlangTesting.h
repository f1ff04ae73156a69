#pragma once

// What Rovad's tone tests and window tests share, without widgets.

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

} // namespace demo_tests
