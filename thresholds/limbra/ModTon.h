#pragma once

#include "audiometry/Modtest.h"
#include "common/SampleChunks.h"

#include <cstdint>

// The hearing-threshold test's tones: the same sine on both ears.
namespace ModTon {

// 10^((T + L) / 20) × A × sin(ωn) on both channels, always 88200 frames; only T + L is heard.
void MakeThresholdTone(const std::int32_t &A, const float &T, const float &L, const float &f, SampleChunks &chunks);
// The calibration pages' tone, the audiometry test's own routine.
using Modtest::MakeToneBoth;

} // namespace ModTon
