#include "Modtest.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace Modtest {

namespace {

enum class Ear { Left, Right };

void makeOneEarTone(Ear ear, std::int32_t A, float N, float v, float f, SampleChunks &chunks)
{
    const float omega = SampleMath::Omega(f);
    // gain first, then the amplitude, then the sine: the order decides the last bit
    const double gain = std::pow(10.0, (double(N) + double(v)) / 20.0);
    FillSampleChunks(chunks, ToneFrames, [&](std::int32_t n) {
        const double s = gain * A * std::sin(double(omega) * n);
        return ear == Ear::Right ? StereoValue{0.0, s} : StereoValue{s, 0.0};
    });
}

} // namespace

void MakeToneRight(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks)
{
    makeOneEarTone(Ear::Right, A, N, v, f, chunks);
}

void MakeToneLeft(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks)
{
    makeOneEarTone(Ear::Left, A, N, v, f, chunks);
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
