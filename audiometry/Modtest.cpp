#include "Modtest.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace Modtest {

void MakeLevelTone(Channels channels, std::int32_t A, float N, float v, float f, SampleChunks &chunks)
{
    const float omega = SampleMath::Omega(f);
    // gain first, then the amplitude, then the sine: the order decides the last bit
    const double gain = std::pow(10.0, (double(N) + double(v)) / 20.0);
    FillSampleChunks(chunks, ToneFrames, [&](std::int32_t n) {
        const double s = gain * A * std::sin(double(omega) * n);
        return StereoValue{channels == Channels::Right ? 0.0 : s, channels == Channels::Left ? 0.0 : s};
    });
}

void MakeToneRight(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks)
{
    MakeLevelTone(Channels::Right, A, N, v, f, chunks);
}

void MakeToneLeft(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks)
{
    MakeLevelTone(Channels::Left, A, N, v, f, chunks);
}

void MakeToneBoth(const std::int32_t &A, const float &f, SampleChunks &chunks)
{
    const float omega = SampleMath::Omega(f);
    FillSampleChunks(chunks, ToneFrames, [&](std::int32_t n) {
        const double s = A * std::sin(double(omega) * n);
        return StereoValue{s, s};
    });
}

} // namespace Modtest
