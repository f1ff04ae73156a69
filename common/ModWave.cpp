#include "ModWave.h"

#include "ModMemCopy.h"
#include "platform/FileChecks.h"
#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

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

namespace {

bool writeAll(QFileDevice &file, const QByteArray &header, const SampleChunks &chunks)
{
    if (!platform::writeFully(file, header))
        return false;
    for (const QByteArray &chunk : chunks)
        if (!platform::writeFully(file, chunk))
            return false;
    return true;
}

qint64 fileSize(const QByteArray &header, const SampleChunks &chunks)
{
    qint64 size = header.size();
    for (const QByteArray &chunk : chunks)
        size += chunk.size();
    return size;
}

// Writes and closes; on failure the reason, or "" when all went well.
QString writeAndClose(QFileDevice &file, const QByteArray &header, const SampleChunks &chunks)
{
    const bool ok = writeAll(file, header, chunks) && file.flush();
    const QString reason = ok ? QString() : platform::writeFailureReason(file);
    file.close();
    if (ok && file.error() == QFileDevice::NoError)
        return QString();
    return ok ? platform::writeFailureReason(file) : reason;
}

// Straight into `path`; what a failure leaves of it is removed. Errors name the file as chosen.
void writeDirectly(const QString &path, const QString &fileName, QIODevice::OpenMode mode, const QByteArray &header,
                   const SampleChunks &chunks)
{
    QFile file(path);
    if (!file.open(mode))
        throw platform::FileError(fileName, file.errorString());
    const QString failure = writeAndClose(file, header, chunks);
    if (!failure.isEmpty()) {
        file.remove();
        throw platform::FileError(fileName, failure);
    }
}

} // namespace

void WriteWaveFile(const QString &fileName, const WaveFormat &format, const SampleChunks &chunks,
                   std::int32_t sampleCount)
{
    const QByteArray header = WaveHeader(format, sampleCount);

    // a link is followed, so the file it names is the one written, whether it exists or not
    const QString target = platform::namedFile(fileName);

    // a new file, such as every tone's temporary one
    if (!QFileInfo::exists(target)) {
        writeDirectly(target, fileName, QIODevice::WriteOnly | QIODevice::NewOnly, header, chunks);
        return;
    }

    // written beside the target and renamed over it, so a failure never costs the old file
    const QFileInfo existing(target);
    QTemporaryFile file(QFileInfo(target).absolutePath() + QStringLiteral("/.") + QFileInfo(target).fileName()
                        + QStringLiteral(".XXXXXX"));
    if (!file.open()) {
        // a folder that lets the file be rewritten but nothing be created beside it
        if (existing.isFile() && existing.isWritable() && !QFileInfo(existing.absolutePath()).isWritable()) {
            // truncating is the point of no return, so the whole new file must fit first
            if (!platform::fitsInPlace(target, fileSize(header, chunks)))
                throw platform::FileError(fileName, platform::diskFullReason());
            writeDirectly(target, fileName, QIODevice::WriteOnly | QIODevice::Truncate, header, chunks);
            return;
        }
        throw platform::FileError(fileName, file.errorString());
    }
    const QString failure = writeAndClose(file, header, chunks);
    if (!failure.isEmpty())
        throw platform::FileError(fileName, failure);
    // the old file's access rights stay; no sync to disk, as for a new file
    file.setPermissions(QFileInfo(target).permissions());
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        throw platform::FileError(fileName, qt_error_string(error));
    }
    file.setAutoRemove(false);
}

} // namespace ModWave
