#include "SettingsFile.h"

#include "platform/FileChecks.h"
#include "platform/FileError.h"
#include "platform/FileWriting.h"

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

// Opened without waiting: a FIFO or a device would otherwise block until someone answers.
void openRegularFile(QFile &file, const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw platform::FileError(path, qt_error_string(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw platform::FileError(path, S_ISDIR(info.st_mode) ? platform::folderReason() : platform::notAFileReason());
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

    const QString target = platform::fileToWrite(path);
    // a file at least as long as the record keeps its tail, and being rewritten in place it
    // needs no new room; anything else is replaced whole, so a failure cannot cost it
    if (QFileInfo(target).size() < bytes.size()) {
        platform::replaceFile(path, {{&bytes, 1}});
        return;
    }
    QFile file(target);
    // read-write opens without truncating
    if (!file.open(QIODevice::ReadWrite))
        throw platform::FileError(path, file.errorString());
    const QString failure = platform::writeAndClose(file, {{&bytes, 1}});
    if (!failure.isEmpty())
        throw platform::FileError(path, failure);
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
