#include "ModSpektrum.h"

#include "common/SampleChunkBuilder.h"
#include "demos/frame/HarmonicSum.h"

namespace vevuzevu::ModSpektrum {

void SynthesizeSpektrum(const float &Frequency, const SpektrumAmplitudes &Amplitudes, const std::int32_t &FrameCount,
                        SampleChunks &Chunks)
{
    const float omega = SampleMath::Omega(Frequency);
    FillSampleChunks(Chunks, FrameCount, [&](std::int32_t n) {
        const double v = demos::HarmonicSum(Amplitudes, omega, n);
        return StereoValue{v, v};
    });
}

} // namespace vevuzevu::ModSpektrum
