#include "ModPegel.h"

#include "common/SampleChunkBuilder.h"

#include <cmath>

namespace ModPegel {

namespace {
// 2π × 1000 Hz, written out as the one step this module plays
constexpr double ThousandHertzTurn = 6283.185308;
constexpr std::int32_t FramesPerBlock = Sound::SampleRate / 2;
constexpr double AmplitudePerStep = 100.0;
} // namespace

void MakeLevelDifferenceTone(const float &V, const float &D, const std::int32_t &n, SampleChunks &chunks)
{
    const float omega = float(ThousandHertzTurn / Sound::SampleRate);
    if (D >= FirstSilentLevel) {
        FillSampleChunks(chunks, 0, [](std::int32_t) { return StereoValue{0, 0}; });
        return;
    }
    const double a = double(V) * AmplitudePerStep;
    const double b = std::pow(10.0, double(D) / 20.0) * double(V) * AmplitudePerStep;
    FillSampleChunks(chunks, n, [&](std::int32_t t) {
        const double amplitude = (t - 1) / FramesPerBlock % 2 == 0 ? a : b;
        const double s = amplitude * std::sin(double(omega) * t);
        return StereoValue{s, s};
    });
}

} // namespace ModPegel
