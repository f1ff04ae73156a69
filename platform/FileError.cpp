#include "FileError.h"

#include <QDir>

namespace platform {

FileError::FileError(const QString &fileName, const QString &reason)
    : std::runtime_error(QStringLiteral("%1: %2").arg(fileName, reason).toStdString())
    , m_fileName(fileName)
    , m_reason(reason)
{
}

FileError FileError::folder(const QString &folderName, const QString &reason)
{
    FileError error(folderName, reason);
    error.m_folder = true;
    return error;
}

QString FileError::message() const
{
    const QString text = m_folder ? QStringLiteral("Der Ordner „%1“ kann nicht verwendet werden:\n%2")
                                  : QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2");
    return text.arg(QDir::toNativeSeparators(m_fileName), m_reason);
}

} // namespace platform
