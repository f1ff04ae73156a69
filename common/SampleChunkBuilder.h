#pragma once

#include "SampleChunks.h"
#include "WaveFormat.h"
#include "platform/Convert.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <span>
#include <stdexcept>
#include <vector>

// little-endian machine: the memory of 16-bit values is a chunk's byte layout
static_assert(std::endian::native == std::endian::little);

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

namespace SampleChunkDetail {

// Runs work(0) .. work(parts - 1) on the calling thread and the threads of a pool of its own,
// returning once all are done; work must not throw.
void RunInParallel(int parts, const std::function<void(int)> &work);

// Whatever a failed build was given is dropped, so no caller can take it for a whole sound.
inline void Discard(SampleChunks &chunks)
{
    for (QByteArray &chunk : chunks)
        chunk = QByteArray();
}

inline void CheckFrameCount(std::int32_t frameCount)
{
    if (frameCount < 0 || frameCount > MaxFrames)
        throw SynthesisError("Zu viele Abtastwerte für die Tonliste");
}

} // namespace SampleChunkDetail

// Fills `chunks` with frames 1..frameCount of `frame(n)`: 15000 frames per element, the rest
// in the last one, all later elements empty. `beforeCopy` may change a buffer's values just
// before they are stored (a gain step); it sees only the values that will be copied.
// This is the reference build, one frame after another on the calling thread.
template <typename FrameFunction, typename ChunkStep>
void FillSampleChunksSequentially(SampleChunks &chunks, std::int32_t frameCount, FrameFunction &&frame,
                                  ChunkStep &&beforeCopy)
{
    SampleChunkDetail::CheckFrameCount(frameCount);
    SampleChunkDetail::Discard(chunks);

    std::vector<std::int16_t> buffer(2 * FramesPerChunk, 0);
    std::int32_t i = 0;
    int k = 0;
    auto store = [&](std::int32_t values) {
        beforeCopy(std::span<std::int16_t>(buffer.data(), std::size_t(values)));
        chunks[std::size_t(k)] = QByteArray(reinterpret_cast<const char *>(buffer.data()), values * 2);
        ++k;
    };
    try {
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
    } catch (...) {
        SampleChunkDetail::Discard(chunks);
        throw;
    }
}

// The same bytes as FillSampleChunksSequentially, the frames computed on several threads.
// `frame` must be a pure function of n, safe to call from several threads at once; the
// `beforeCopy` steps run afterwards on the calling thread, in chunk order. A failure throws
// on the calling thread, the first in frame order, and leaves every chunk empty.
template <typename FrameFunction, typename ChunkStep>
void FillSampleChunks(SampleChunks &chunks, std::int32_t frameCount, FrameFunction &&frame, ChunkStep &&beforeCopy)
{
    SampleChunkDetail::CheckFrameCount(frameCount);
    const int chunkCount = int((frameCount + FramesPerChunk - 1) / FramesPerChunk);
    if (chunkCount < 2) {
        FillSampleChunksSequentially(chunks, frameCount, std::forward<FrameFunction>(frame),
                                     std::forward<ChunkStep>(beforeCopy));
        return;
    }

    SampleChunkDetail::Discard(chunks);
    std::vector<std::int16_t *> values(std::size_t(chunkCount), nullptr);
    try {
        for (int k = 0; k < chunkCount; ++k) {
            const std::int32_t frames = std::min(FramesPerChunk, frameCount - k * FramesPerChunk);
            chunks[std::size_t(k)] = QByteArray(frames * 4, Qt::Uninitialized);
            values[std::size_t(k)] = reinterpret_cast<std::int16_t *>(chunks[std::size_t(k)].data());
        }
    } catch (...) {
        SampleChunkDetail::Discard(chunks);
        throw;
    }

    // parts of a fifth of a chunk even out threads that start late or get less of the machine
    constexpr std::int32_t FramesPerPart = FramesPerChunk / 5;
    const int partCount = int((frameCount + FramesPerPart - 1) / FramesPerPart);
    // each part's first failing frame, and what it threw
    struct Failure {
        std::int32_t frame = 0;
        std::exception_ptr error;
    };
    std::vector<Failure> failures{std::size_t(partCount)};
    SampleChunkDetail::RunInParallel(partCount, [&](int part) {
        const std::int32_t first = part * FramesPerPart + 1;
        const std::int32_t last = std::min(first + FramesPerPart - 1, frameCount);
        std::int16_t *out = values[std::size_t((first - 1) / FramesPerChunk)] + 2 * ((first - 1) % FramesPerChunk);
        std::int32_t n = first;
        try {
            for (; n <= last; ++n, out += 2) {
                const StereoValue value = frame(n);
                out[0] = SampleMath::ToSample(value.left);
                out[1] = SampleMath::ToSample(value.right);
            }
        } catch (...) {
            failures[std::size_t(part)] = {n, std::current_exception()};
        }
    });

    std::int32_t failedFrame = frameCount + 1;
    std::exception_ptr error;
    for (const Failure &failure : failures)
        if (failure.error) {
            failedFrame = failure.frame;
            error = failure.error;
            break;
        }
    try {
        // the steps of the chunks before a failing frame run, as they would one after another
        for (int k = 0; k < chunkCount && std::min((k + 1) * FramesPerChunk, frameCount) < failedFrame; ++k)
            beforeCopy(std::span<std::int16_t>(values[std::size_t(k)], std::size_t(chunks[std::size_t(k)].size() / 2)));
        if (error)
            std::rethrow_exception(error);
    } catch (...) {
        SampleChunkDetail::Discard(chunks);
        throw;
    }
}

template <typename FrameFunction>
void FillSampleChunks(SampleChunks &chunks, std::int32_t frameCount, FrameFunction &&frame)
{
    FillSampleChunks(chunks, frameCount, std::forward<FrameFunction>(frame), [](std::span<std::int16_t>) {});
}
