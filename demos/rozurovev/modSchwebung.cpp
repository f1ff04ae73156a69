#include "modSchwebung.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace modSchwebung {

namespace {
constexpr double LevelSteps = 10.0;
constexpr double FullAmplitude = 16000.0;
} // namespace

void SynthesizeSchwebung(const float &L, const float &f1, const float &f2, const std::int32_t &n,
                         SampleChunks &chunks)
{
    const float omega1 = SampleMath::Omega(f1);
    const float omega2 = SampleMath::Omega(f2);
    const double amplitude = double(L) / LevelSteps * FullAmplitude;
    FillSampleChunks(chunks, n, [&](std::int32_t t) {
        const double s = amplitude * (std::sin(double(omega2) * t) + std::sin(double(omega1) * t));
        return StereoValue{s, s};
    });
}

} // namespace modSchwebung
