#include "FileWriting.h"

#include "FileChecks.h"
#include "FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

// Retries after a short write, so that a failure carries the system's reason ("Kein freier
// Speicherplatz …") instead of Qt's "Unbekannter Fehler".
bool writeFully(QIODevice &device, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool writeAll(QIODevice &device, FileContent content)
{
    for (std::span<const QByteArray> run : content)
        for (const QByteArray &piece : run)
            if (!writeFully(device, piece))
                return false;
    return true;
}

qint64 sizeOf(FileContent content)
{
    qint64 size = 0;
    for (std::span<const QByteArray> run : content)
        for (const QByteArray &piece : run)
            size += piece.size();
    return size;
}

// Whether `size` bytes fit on the file system of an existing `file` once it is truncated.
bool fitsInPlace(const QString &file, qint64 size)
{
    const QByteArray native = QFile::encodeName(file);
    struct stat old {};
    struct statvfs disk {};
    if (::stat(native.constData(), &old) != 0 || ::statvfs(native.constData(), &disk) != 0)
        return true;  // nothing known: let the write itself tell
    const auto block = qint64(disk.f_frsize ? disk.f_frsize : 512);
    const qint64 needed = (size + block - 1) / block * block;
    // what the old file occupies is free again once it is truncated
    const qint64 available = qint64(disk.f_bavail) * block + qint64(old.st_blocks) * 512;
    return needed <= available;
}

// Why writing the still open `file` failed: a full disk in the user's words, whether the write
// failed or only stopped short; else the system's reason where Qt has one; else that not
// everything could be written.
QString writeFailureReason(const QFileDevice &file)
{
    struct statvfs disk {};
    if (::fstatvfs(file.handle(), &disk) == 0 && disk.f_bavail == 0)
        return diskFullReason();
    const QString reason = file.errorString();
    // a write that stops short sets no system error, so Qt has only its "unknown error"
    if (file.error() != QFileDevice::NoError && reason != QFile().errorString())
        return reason;
    return QStringLiteral("Es konnten nicht alle Daten geschrieben werden.");
}

// Straight into `target`; what a failure leaves of it is removed. Errors name `path`.
void writeDirectly(const QString &path, const QString &target, QIODevice::OpenMode mode, FileContent content)
{
    QFile file(target);
    if (!file.open(mode))
        throw FileError(path, file.errorString());
    const QString failure = writeAndClose(file, content);
    if (!failure.isEmpty()) {
        file.remove();
        throw FileError(path, failure);
    }
}

} // namespace

QString diskFullReason()
{
    return QStringLiteral("Der Datenträger ist voll: für die neue Datei ist nicht genug Platz frei.");
}

QString writeAndClose(QFileDevice &file, FileContent content)
{
    const bool written = writeAll(file, content) && file.flush();
    const QString reason = written ? QString() : writeFailureReason(file);
    file.close();
    // some file systems tell of a lost write only when the file is closed
    if (reason.isEmpty() && file.error() != QFileDevice::NoError)
        return file.errorString();
    return reason;
}

void replaceFile(const QString &path, FileContent content)
{
    const QString target = fileToWrite(path);
    const QByteArray native = QFile::encodeName(target);
    struct stat old {};
    if (::stat(native.constData(), &old) != 0) {
        writeDirectly(path, target, QIODevice::WriteOnly | QIODevice::NewOnly, content);
        return;
    }

    // a short name of its own, so that it fits beside the longest name the folder takes
    QByteArray beside = QFile::encodeName(QFileInfo(target).absolutePath()) + "/.velmora-XXXXXX";
    const int fd = ::mkostemp(beside.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // a folder that lets the file be rewritten but nothing be created beside it
        if ((error == EACCES || error == EPERM) && ::access(native.constData(), W_OK) == 0) {
            // truncating is the point of no return, so all of it must fit first
            if (!fitsInPlace(target, sizeOf(content)))
                throw FileError(path, diskFullReason());
            writeDirectly(path, target, QIODevice::WriteOnly | QIODevice::Truncate, content);
            return;
        }
        throw FileError(path, qt_error_string(error));
    }
    // the old file's access rights stay; no sync to disk, as for a new file
    ::fchmod(fd, old.st_mode & 0777);
    QFile file;
    QString failure;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        failure = file.errorString();
        ::close(fd);
    } else {
        failure = writeAndClose(file, content);
    }
    if (failure.isEmpty() && std::rename(beside.constData(), native.constData()) != 0)
        failure = qt_error_string(errno);
    if (!failure.isEmpty()) {
        ::unlink(beside.constData());
        throw FileError(path, failure);
    }
}

} // namespace platform
