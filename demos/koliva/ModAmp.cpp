#include "ModAmp.h"

#include "common/SampleChunkBuilder.h"
#include "demos/frame/SoundFile.h"
#include "demos/zanter/FMSettings.h"

#include <cmath>

namespace ModAmp {

void SynthesizeAM(const float &L, const float &M, const float &fc, const float &fmod, const std::int32_t &n,
                  SampleChunks &chunks)
{
    const float omegaCarrier = SampleMath::Omega(fc);
    const float omegaModulation = SampleMath::Omega(fmod);
    // a single divided by a whole number stays a single
    const double depth = double(M / float(zanter::DepthSteps));
    const double amplitude = double(L * demos::LoudnessStep);
    FillSampleChunks(chunks, n, [&](std::int32_t t) {
        const double s = (depth * std::sin(double(omegaModulation) * t) + 1) * std::sin(double(omegaCarrier) * t) * amplitude;
        return StereoValue{s, s};
    });
}

} // namespace ModAmp
