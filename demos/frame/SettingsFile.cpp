#include "SettingsFile.h"

#include "platform/FileChecks.h"
#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace demos {

namespace {

// The longest record a program with a text field can hold: its fixed fields and a text of
// up to 65535 characters.
constexpr qint64 LongestVariableRecord = 64 + 65535;

QString folderReason()
{
    return QStringLiteral("Das ist ein Ordner, keine Datei.");
}

QString notAFileReason()
{
    return QStringLiteral("Das ist keine gewöhnliche Datei.");
}

// Opened without waiting: a FIFO or a device would otherwise block until someone answers.
void openRegularFile(QFile &file, const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw platform::FileError(path, qt_error_string(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw platform::FileError(path, S_ISDIR(info.st_mode) ? folderReason() : notAFileReason());
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw platform::FileError(path, file.errorString());
    }
}

} // namespace

void writeSettingsFile(const QString &path, const DemoDescription &demo, const QByteArray &record)
{
    QByteArray bytes = record;
    if (demo.settingsAccess == SettingsAccess::Random && demo.recordLength > 0)
        bytes.resize(demo.recordLength, '\0');

    // a dangling link names a file still to be made, as it does for a WAV export
    const QString target = platform::namedFile(path);
    const QFileInfo info(target);
    if (info.isDir())
        throw platform::FileError(path, folderReason());
    if (info.exists() && !info.isFile())
        throw platform::FileError(path, notAFileReason());
    const bool created = !info.exists();
    QFile file(target);
    // read-write opens without truncating and creates a missing file
    if (!file.open(QIODevice::ReadWrite))
        throw platform::FileError(path, file.errorString());
    const bool written = platform::writeFully(file, bytes) && file.flush();
    const QString reason = written ? QString() : platform::writeFailureReason(file);
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        const QString failure = written ? platform::writeFailureReason(file) : reason;
        // a file this save made is not left behind half written
        if (created)
            file.remove();
        throw platform::FileError(path, failure);
    }
}

QByteArray readSettingsFile(const QString &path, const DemoDescription &demo)
{
    QFile file;
    openRegularFile(file, path);
    const qint64 length = demo.recordLength > 0 ? demo.recordLength : LongestVariableRecord;
    QByteArray bytes(length, '\0');
    const qint64 got = file.read(bytes.data(), length);
    if (got < 0)
        throw platform::FileError(path, file.errorString());
    bytes.truncate(got);
    return bytes;
}

} // namespace demos
