#pragma once

#include "common/SampleChunks.h"
#include "common/WaveFormat.h"

#include <cstdint>

// The tones of the frequency-difference test: the swinging test tone and the pages' sine.
namespace varnik::ModFrequenztest {

// Every tone is two seconds long, whatever its caller declares to the writer.
inline constexpr std::int32_t ToneFrames = Sound::TwoSecondFrames;
// The test tone's frequency swings four times a second.
inline constexpr float ModulationFrequency = 4;

// (Level × 10) × sin(ωn − (DeltaF / 4) × sin(ωm n)) on both channels, n = 1 … NumFrames.
void GenerateFmTone(const float &Level, const float &Freq, const float &DeltaF, const std::int32_t &NumFrames,
                    SampleChunks &chunks);

// (amplitude × gain) × sin(ωn) on both channels, 88200 frames; a hosted control's pages play
// ten times louder than the program's.
void GenerateSineTone(const float &amplitude, const float &frequency, SampleChunks &chunks, float gain = 1);

} // namespace varnik::ModFrequenztest
