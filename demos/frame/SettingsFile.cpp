#include "SettingsFile.h"

#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>

namespace demos {

namespace {

// The longest record a program with a text field can hold: its fixed fields and a text of
// up to 65535 characters.
constexpr qint64 LongestVariableRecord = 64 + 65535;

QString folderReason()
{
    return QStringLiteral("Das ist ein Ordner, keine Datei.");
}

} // namespace

void writeSettingsFile(const QString &path, const DemoDescription &demo, const QByteArray &record)
{
    QByteArray bytes = record;
    if (demo.settingsAccess == SettingsAccess::Random && demo.recordLength > 0)
        bytes.resize(demo.recordLength, '\0');

    if (QFileInfo(path).isDir())
        throw platform::FileError(path, folderReason());
    QFile file(path);
    // read-write opens without truncating and creates a missing file
    if (!file.open(QIODevice::ReadWrite))
        throw platform::FileError(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw platform::FileError(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw platform::FileError(path, file.errorString());
}

QByteArray readSettingsFile(const QString &path, const DemoDescription &demo)
{
    if (QFileInfo(path).isDir())
        throw platform::FileError(path, folderReason());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::FileError(path, file.errorString());
    const qint64 length = demo.recordLength > 0 ? demo.recordLength : LongestVariableRecord;
    QByteArray bytes(length, '\0');
    const qint64 got = file.read(bytes.data(), length);
    if (got < 0)
        throw platform::FileError(path, file.errorString());
    bytes.truncate(got);
    return bytes;
}

} // namespace demos
