#include "TempFiles.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QString SystemTemporaryFolder = QStringLiteral("/tmp");

struct PrivateFolder {
    std::unique_ptr<QTemporaryDir> dir;
    dev_t device = 0;
    ino_t inode = 0;
};

PrivateFolder &folder()
{
    static PrivateFolder made;
    return made;
}

// Whether the folder made is still there, and is still the one made: a cleaner of the system's
// temporary folder may remove it while the program runs, and another user may then take its name.
bool stillThere(const PrivateFolder &made)
{
    struct stat info {};
    return made.dir && made.dir->isValid()
        && ::lstat(QFile::encodeName(made.dir->path()).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_dev == made.device && info.st_ino == made.inode;
}

// $TMPDIR when it names a folder that takes one of ours, else the system's own.
std::unique_ptr<QTemporaryDir> makePrivateFolder()
{
    QStringList places;
    if (const QString chosen = qEnvironmentVariable("TMPDIR"); !chosen.isEmpty())
        places.append(chosen);
    places.append(SystemTemporaryFolder);
    QString place;
    QString reason;
    for (const QString &candidate : places) {
        place = candidate;
        if (!QFileInfo(place).isDir()) {
            reason = QStringLiteral("Den Ordner gibt es nicht.");
            continue;
        }
        auto dir = std::make_unique<QTemporaryDir>(place + QStringLiteral("/velmora-XXXXXX"));
        if (dir->isValid())
            return dir;
        reason = dir->errorString();
    }
    throw FileError::folder(place, reason);
}

// Refuses a folder that another user could reach into, for example to plant a link.
void requirePrivateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR)
            throw FileError::folder(path, qt_error_string(error));
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || ::mkdir(native.constData(), 0700) != 0)
            throw FileError::folder(path, QStringLiteral("Er konnte nicht angelegt werden: %1").arg(qt_error_string(errno)));
        if (::lstat(native.constData(), &info) != 0)
            throw FileError::folder(path, qt_error_string(errno));
    }
    if (S_ISLNK(info.st_mode))
        throw FileError::folder(path, QStringLiteral("Er ist eine Verknüpfung auf einen anderen Ort."));
    if (!S_ISDIR(info.st_mode))
        throw FileError::folder(path, QStringLiteral("An seiner Stelle steht eine Datei."));
    if (info.st_uid != ::geteuid())
        throw FileError::folder(path, QStringLiteral("Er gehört einem anderen Benutzer."));
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        throw FileError::folder(path, QStringLiteral("Andere Benutzer haben Zugriff darauf."));
}

} // namespace

QString temporaryFilePath(const QString &name)
{
    PrivateFolder &made = folder();
    if (!stillThere(made)) {
        // whatever now stands under the old name is not ours to remove
        if (made.dir)
            made.dir->setAutoRemove(false);
        made.dir = makePrivateFolder();
        struct stat info {};
        if (::lstat(QFile::encodeName(made.dir->path()).constData(), &info) == 0) {
            made.device = info.st_dev;
            made.inode = info.st_ino;
        }
    }
    return made.dir->filePath(name);
}

void removeTemporaryFolder()
{
    folder().dir.reset();
}

QString soundFilePath()
{
    return temporaryFilePath(QStringLiteral("dummy.wav"));
}

QString keptSoundFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/velmora");
    requirePrivateFolder(folder);
    const QString file = folder + QStringLiteral("/dummy.wav");
    // only the user could have put a link here, but the tone is still not written through it
    if (QFileInfo(file).isSymLink() && !QFile::remove(file))
        throw FileError(file, QStringLiteral("Eine Verknüpfung dieses Namens lässt sich nicht entfernen."));
    return file;
}

} // namespace platform
