#include "ModWave.h"

#include "ModMemCopy.h"
#include "platform/FileWriting.h"

namespace ModWave {

using ModMemCopy::IntToBytes;
using ModMemCopy::LongToBytes;

OverflowError::OverflowError()
    : std::overflow_error("Überlauf: die Tondaten sind zu lang für eine WAV-Datei")
{
}

QByteArray WaveHeader(const WaveFormat &format, std::int32_t sampleCount)
{
    std::int32_t dataSize = 0;
    std::int32_t riffSize = 0;
    if (__builtin_mul_overflow(sampleCount, std::int32_t(2), &dataSize)
        || __builtin_add_overflow(dataSize, std::int32_t(36), &riffSize))
        throw OverflowError();

    QByteArray header;
    header.reserve(44);
    header += "RIFF";
    header += LongToBytes(riffSize);
    header += "WAVE";
    header += "fmt ";
    header += LongToBytes(16);
    header += IntToBytes(1);
    header += IntToBytes(format.Channels);
    header += LongToBytes(format.SampleRate);
    header += LongToBytes(format.ByteRate);
    header += IntToBytes(format.BlockAlign);
    header += IntToBytes(format.BitsPerSample);
    header += "data";
    header += LongToBytes(dataSize);
    return header;
}

void WriteWaveFile(const QString &fileName, const WaveFormat &format, const SampleChunks &chunks,
                   std::int32_t sampleCount)
{
    const QByteArray header = WaveHeader(format, sampleCount);
    platform::replaceFile(fileName, {{&header, 1}, chunks});
}

} // namespace ModWave
