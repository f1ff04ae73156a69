#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// A whole sound as up to 201 byte strings of 16-bit stereo frames, written one after another.
inline constexpr int SampleChunkCount = 201;
inline constexpr std::int32_t FramesPerChunk = 15000;
inline constexpr std::int32_t BytesPerChunk = FramesPerChunk * 4;
inline constexpr std::int32_t MaxFrames = SampleChunkCount * FramesPerChunk;

using SampleChunks = std::array<QByteArray, SampleChunkCount>;
