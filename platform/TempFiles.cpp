#include "TempFiles.h"

#include "FileError.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace platform {

QString temporaryFilePath(const QString &name)
{
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir || !dir->isValid()) {
        dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velmora-XXXXXX"));
        if (!dir->isValid())
            throw FileError(QDir::tempPath(), dir->errorString());
    }
    return dir->filePath(name);
}

QString soundFilePath()
{
    return temporaryFilePath(QStringLiteral("dummy.wav"));
}

} // namespace platform
