#include "modKlang.h"

#include "common/SampleChunkBuilder.h"
#include "demos/frame/HarmonicSum.h"

#include <algorithm>

namespace rovad::modKlang {

void GainStep::operator()(std::span<std::int16_t> values)
{
    // both channels hold the frame's value, so the chunk's largest value is its frames' largest
    for (std::int16_t v : values)
        m_maximum = std::max(m_maximum, v);
    if (m_maximum >= TargetPeak || m_maximum == 0)
        return;
    const std::int32_t g = TargetPeak / m_maximum;
    // a slow or negative fundamental can lift a chunk far beyond 16 bits: saturate, never wrap
    for (std::int16_t &v : values)
        v = std::int16_t(std::clamp<std::int32_t>(std::int32_t(v) * g, -32768, 32767));
}

void SynthesizeKlang(const float &Frequency, const KlangAmplitudes &Amplitudes, const std::int32_t &FrameCount,
                     SampleChunks &Chunks)
{
    const float omega = SampleMath::Omega(Frequency);
    GainStep gain;
    FillSampleChunks(
        Chunks, FrameCount,
        [&](std::int32_t n) {
            const double v = demos::HarmonicSum(Amplitudes, omega, n);
            return StereoValue{v, v};
        },
        [&](std::span<std::int16_t> values) { gain(values); });
}

} // namespace rovad::modKlang
