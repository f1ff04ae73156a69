#include "TempFiles.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace platform {

namespace {
std::unique_ptr<QTemporaryDir> &folder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
} // namespace

QString temporaryFilePath(const QString &name)
{
    std::unique_ptr<QTemporaryDir> &dir = folder();
    if (!dir || !dir->isValid()) {
        dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velmora-XXXXXX"));
        if (!dir->isValid())
            throw FileError(QDir::tempPath(), dir->errorString());
    }
    return dir->filePath(name);
}

void removeTemporaryFolder()
{
    folder().reset();
}

QString soundFilePath()
{
    return temporaryFilePath(QStringLiteral("dummy.wav"));
}

QString keptSoundFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/velmora");
    QDir dir;
    if (!dir.exists(folder)) {
        if (!dir.mkpath(folder))
            throw FileError(folder, QStringLiteral("Der Ordner konnte nicht angelegt werden."));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder + QStringLiteral("/dummy.wav");
}

} // namespace platform
