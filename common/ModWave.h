#pragma once

#include "SampleChunks.h"
#include "WaveFormat.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace ModWave {

// 2 × sampleCount + 36 does not fit in 32 bits.
class OverflowError : public std::overflow_error {
public:
    OverflowError();
};

// Writes a 44-byte PCM header (format tag always 1, data size 2 × sampleCount) followed by
// every chunk in order. An existing file is replaced only once the new one is complete; a
// failure throws platform::FileError and leaves no partial file behind.
void WriteWaveFile(const QString &fileName, const WaveFormat &format, const SampleChunks &chunks,
                   std::int32_t sampleCount);

// The 44 header bytes alone.
QByteArray WaveHeader(const WaveFormat &format, std::int32_t sampleCount);

} // namespace ModWave
