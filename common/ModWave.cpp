#include "ModWave.h"

#include "ModMemCopy.h"
#include "platform/FileError.h"

#include <QSaveFile>

#include <limits>

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

    // written beside the target and renamed over it, so a failure never costs the old file
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw platform::FileError(fileName, file.errorString());
    bool ok = file.write(header) == header.size();
    for (const QByteArray &chunk : chunks) {
        if (!ok)
            break;
        ok = chunk.isEmpty() || file.write(chunk) == chunk.size();
    }
    if (!ok) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw platform::FileError(fileName, reason);
    }
    if (!file.commit())
        throw platform::FileError(fileName, file.errorString());
}

} // namespace ModWave
