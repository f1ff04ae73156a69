#include "FileChecks.h"

#include "FileError.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// the system's own limit on a chain of links
constexpr int MostLinks = 40;

// Whether the system's protection of shared folders lets this process follow `link`.
bool mayFollow(const QString &link, const struct stat &info)
{
    struct stat folder {};
    if (::stat(QFile::encodeName(QFileInfo(link).absolutePath()).constData(), &folder) != 0)
        return true;  // the walk that opens the file decides
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || info.st_uid == ::geteuid() || info.st_uid == folder.st_uid;
}

QString linkTarget(const QString &link)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), buffer, sizeof buffer);
    if (length <= 0 || length == ssize_t(sizeof buffer))
        return QString();
    const QString target = QFile::decodeName(QByteArray(buffer, length));
    // a relative link counts from its own folder
    return QFileInfo(target).isAbsolute() ? target : QFileInfo(link).absolutePath() + QLatin1Char('/') + target;
}

struct LinkEnd {
    QString file;
    QString refusedLink;  // the link that was not followed, if any
};

LinkEnd followLinks(const QString &path)
{
    QString current = path;
    for (int depth = 0; depth < MostLinks; ++depth) {
        struct stat info {};
        if (::lstat(QFile::encodeName(current).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return {current, QString()};
        if (!mayFollow(current, info))
            return {current, current};
        const QString target = linkTarget(current);
        if (target.isEmpty())
            return {current, QString()};
        current = target;
    }
    return {path, QString()};
}

} // namespace

QString folderReason()
{
    return QStringLiteral("Das ist ein Ordner, keine Datei.");
}

QString notAFileReason()
{
    return QStringLiteral("Das ist keine gewöhnliche Datei.");
}

QString fileToWrite(const QString &path)
{
    const LinkEnd end = followLinks(path);
    if (!end.refusedLink.isEmpty())
        throw FileError(path, QStringLiteral("„%1“ ist eine Verknüpfung, die ein anderer Benutzer in einem Ordner "
                                             "angelegt hat, in den alle schreiben dürfen; ihr wird nicht gefolgt.")
                                  .arg(end.refusedLink));
    struct stat info {};
    if (::lstat(QFile::encodeName(end.file).constData(), &info) != 0)
        return end.file;  // nothing there yet, or out of reach: the write itself tells
    if (S_ISDIR(info.st_mode))
        throw FileError(path, folderReason());
    // a chain longer than the system follows
    if (S_ISLNK(info.st_mode))
        throw FileError(path, qt_error_string(ELOOP));
    if (!S_ISREG(info.st_mode))
        throw FileError(path, notAFileReason());
    return end.file;
}

QString namedFile(const QString &path)
{
    return followLinks(path).file;
}

} // namespace platform
