#pragma once

#include "SampleChunks.h"
#include "WaveFormat.h"
#include "platform/Convert.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <vector>

// Refused before anything could wrap: too many frames, or a value beyond 16 bits.
class SynthesisError : public std::range_error {
public:
    using std::range_error::range_error;
};

// One stereo frame as the formula gives it, before rounding.
struct StereoValue {
    double left;
    double right;
};

namespace SampleMath {

// Angular step per frame of a frequency, held in single precision as every generator does.
inline float Omega(float frequency)
{
    return float(double(frequency) * Sound::TwoPi / Sound::SampleRate);
}

// A formula value as a stored sample; anything beyond 16 bits is refused.
inline std::int16_t ToSample(double value)
{
    const double rounded = platform::Convert::roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw SynthesisError("Abtastwert außerhalb des 16-Bit-Bereichs");
    return std::int16_t(rounded);
}

} // namespace SampleMath

// Fills `chunks` with frames 1..frameCount of `frame(n)`: 15000 frames per element, the rest
// in the last one, all later elements empty. `beforeCopy` may change a buffer's values just
// before they are stored (a gain step); it sees only the values that will be copied.
template <typename FrameFunction, typename ChunkStep>
void FillSampleChunks(SampleChunks &chunks, std::int32_t frameCount, FrameFunction &&frame, ChunkStep &&beforeCopy)
{
    if (frameCount < 0 || frameCount > MaxFrames)
        throw SynthesisError("Zu viele Abtastwerte für die Tonliste");
    for (QByteArray &chunk : chunks)
        chunk = QByteArray();

    // little-endian machine: the buffer's memory is the chunk's byte layout
    static_assert(std::endian::native == std::endian::little);
    std::vector<std::int16_t> buffer(2 * FramesPerChunk, 0);
    std::int32_t i = 0;
    int k = 0;
    auto store = [&](std::int32_t values) {
        beforeCopy(std::span<std::int16_t>(buffer.data(), std::size_t(values)));
        chunks[std::size_t(k)] = QByteArray(reinterpret_cast<const char *>(buffer.data()), values * 2);
        ++k;
    };
    for (std::int32_t n = 1; n <= frameCount; ++n) {
        const StereoValue value = frame(n);
        buffer[std::size_t(i)] = SampleMath::ToSample(value.left);
        buffer[std::size_t(i) + 1] = SampleMath::ToSample(value.right);
        if (i == 2 * FramesPerChunk - 2) {
            store(2 * FramesPerChunk);
            i = 0;
        } else {
            i += 2;
        }
    }
    if (i > 0)
        store(i);
}

template <typename FrameFunction>
void FillSampleChunks(SampleChunks &chunks, std::int32_t frameCount, FrameFunction &&frame)
{
    FillSampleChunks(chunks, frameCount, std::forward<FrameFunction>(frame), [](std::span<std::int16_t>) {});
}
