#pragma once

#include <cstdint>

// The record every sound is described by before it is written.
struct WaveFormat {
    std::int16_t FormatTag = 0;
    std::int16_t Channels = 0;
    std::int32_t SampleRate = 0;
    std::int32_t ByteRate = 0;
    std::int16_t BlockAlign = 0;
    std::int16_t BitsPerSample = 0;
};

namespace Sound {
inline constexpr std::int32_t SampleRate = 44100;
// The suite's 2π, kept as it is so that every sample comes out the same.
inline constexpr double TwoPi = 6.283185308;
// The same 2π held in a single (6.2831855), as the plots hold it.
inline constexpr float TwoPiSingle = float(TwoPi);
// That single as its decimals read, taken as a double: the period plots divide by it.
inline constexpr double TwoPiSingleDecimal = 6.2831855;
static_assert(float(TwoPiSingleDecimal) == TwoPiSingle);
// Sample values (both channels) per second of stereo sound.
inline constexpr std::int32_t ValuesPerSecond = 2 * SampleRate;
// The listening tests' tones are two seconds long.
inline constexpr std::int32_t TwoSecondFrames = 2 * SampleRate;
} // namespace Sound

// 16-bit stereo PCM at 44100 Hz, as every caller fills it; the byte rate follows from the block.
inline void FillStandardFormat(WaveFormat &format)
{
    format.FormatTag = 1;
    format.Channels = 2;
    format.SampleRate = Sound::SampleRate;
    format.BlockAlign = 4;
    format.ByteRate = format.BlockAlign * Sound::SampleRate;
    format.BitsPerSample = 16;
}
