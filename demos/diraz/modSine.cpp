#include "modSine.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace modSine {

namespace {
constexpr float AmplitudeSteps = 10.0f;
constexpr float FullAmplitude = 16000.0f;
} // namespace

void MakeSineTone(const float &A, const float &f, const std::int32_t &n, SampleChunks &chunks)
{
    const float omega = SampleMath::Omega(f);
    // the amplitude is a single, as the window hands the step over
    const float amplitude = A / AmplitudeSteps * FullAmplitude;
    FillSampleChunks(chunks, n, [&](std::int32_t t) {
        const double s = double(amplitude) * std::sin(double(omega) * t);
        return StereoValue{s, s};
    });
}

} // namespace modSine
