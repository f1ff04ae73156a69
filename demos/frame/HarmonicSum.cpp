#include "HarmonicSum.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace demos {

std::int16_t HarmonicSum(std::span<const std::int16_t> amplitudes, float omega, std::int32_t n)
{
    std::int16_t v = 0;
    for (std::size_t j = 0; j < amplitudes.size(); ++j) {
        // a silent harmonic adds ±0, which rounds back to the same value
        if (amplitudes[j] == 0)
            continue;
        // ω × n × (j + 1) is exact in double whatever the order
        const double argument = double(omega) * n * double(j + 1);
        v = SampleMath::ToSample(amplitudes[j] / 100.0 * HarmonicFullScale * std::sin(argument) + v);
    }
    return v;
}

} // namespace demos
