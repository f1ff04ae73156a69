#pragma once

#include "common/SampleChunkBuilder.h"

#include <cmath>
#include <cstdint>

// What the tone benchmarks synthesise: ten seconds of a 1000 Hz sine on both channels.
namespace bench {

inline constexpr std::int32_t ToneFrames = 10 * Sound::SampleRate;

struct TenSecondTone {
    float omega = SampleMath::Omega(1000);
    StereoValue operator()(std::int32_t n) const
    {
        const double s = 8000 * std::sin(double(omega) * n);
        return {s, s};
    }
};

} // namespace bench
