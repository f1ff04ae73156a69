#include "FileChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace platform {

QString namedFile(const QString &path)
{
    QString current = path;
    // the system's own limit on a chain of links
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        const QString target = info.symLinkTarget();
        if (target.isEmpty())
            return current;
        current = target;
    }
    return path;
}

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

QString diskFullReason()
{
    return QStringLiteral("Der Datenträger ist voll: für die neue Datei ist nicht genug Platz frei.");
}

QString writeFailureReason(const QFileDevice &file)
{
    const QString reason = file.errorString();
    // a write that stops short sets no system error, so Qt has only its "unknown error"
    if (file.error() != QFileDevice::NoError && reason != QFile().errorString())
        return reason;
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(file.fileName()).constData(), &disk) == 0 && disk.f_bavail == 0)
        return diskFullReason();
    return QStringLiteral("Es konnten nicht alle Daten geschrieben werden.");
}

} // namespace platform
