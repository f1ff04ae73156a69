#pragma once

#include "common/SampleChunks.h"
#include "common/WaveFormat.h"

#include <cstdint>

// The audiometry tones: two seconds of a sine on one ear, or on both.
namespace Modtest {

inline constexpr std::int32_t ToneFrames = Sound::TwoSecondFrames;

// 10^((N + v) / 20) × A × sin(ωn) on the right channel, zeros on the left.
void MakeToneRight(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks);
// The same on the left channel.
void MakeToneLeft(const std::int32_t &A, const float &N, const float &v, const float &f, SampleChunks &chunks);
// A × sin(ωn) on both channels.
void MakeToneBoth(const std::int32_t &A, const float &f, SampleChunks &chunks);

enum class Channels { Left, Right, Both };
// 10^((N + v) / 20) × A × sin(ωn) on the given channels, zeros on the other: the one formula of
// every level tone, one ear or both.
void MakeLevelTone(Channels channels, std::int32_t A, float N, float v, float f, SampleChunks &chunks);

} // namespace Modtest
