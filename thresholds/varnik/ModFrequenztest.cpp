#include "ModFrequenztest.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace varnik::ModFrequenztest {

void GenerateFmTone(const float &Level, const float &Freq, const float &DeltaF, const std::int32_t &NumFrames,
                    SampleChunks &chunks)
{
    const float omega = SampleMath::Omega(Freq);
    const float omegaM = SampleMath::Omega(ModulationFrequency);
    const double peak = double(Level) * 10;
    // the modulation index: deviation over the modulation frequency
    const double index = double(DeltaF) / double(ModulationFrequency);
    FillSampleChunks(chunks, NumFrames, [&](std::int32_t n) {
        const double m = std::sin(double(omegaM) * n);
        const double v = peak * std::sin(double(omega) * n - index * m);
        return StereoValue{v, v};
    });
}

void GenerateSineTone(const float &amplitude, const float &frequency, SampleChunks &chunks, float gain)
{
    const float omega = SampleMath::Omega(frequency);
    const double peak = double(amplitude) * double(gain);
    FillSampleChunks(chunks, ToneFrames, [&](std::int32_t n) {
        const double v = peak * std::sin(double(omega) * n);
        return StereoValue{v, v};
    });
}

} // namespace varnik::ModFrequenztest
