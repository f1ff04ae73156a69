#include "ModFreq.h"

#include "FMSettings.h"

#include "common/SampleChunkBuilder.h"
#include "demos/frame/SoundFile.h"

#include <cmath>

namespace ModFreq {

void SynthesizeFM(const float &L, const float &fg, const float &A, const float &fmod, const std::int32_t &n,
                  SampleChunks &chunks)
{
    const float omegaCarrier = SampleMath::Omega(fg);
    const float omegaModulation = SampleMath::Omega(fmod);
    // deviation and index are singles, each step rounded as the forms runtime does
    const float deviation = A / float(zanter::DepthSteps) * fg;
    const float beta = deviation / fmod;
    const double amplitude = double(L * demos::LoudnessStep);
    FillSampleChunks(chunks, n, [&](std::int32_t t) {
        const double s = amplitude * std::sin(double(omegaCarrier) * t - double(beta) * std::sin(double(omegaModulation) * t));
        return StereoValue{s, s};
    });
}

} // namespace ModFreq
