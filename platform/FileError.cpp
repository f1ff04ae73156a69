#include "FileError.h"

#include <QDir>

namespace platform {

FileError::FileError(const QString &fileName, const QString &reason)
    : std::runtime_error(QStringLiteral("%1: %2").arg(fileName, reason).toStdString())
    , m_fileName(fileName)
    , m_reason(reason)
{
}

QString FileError::message() const
{
    return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2")
        .arg(QDir::toNativeSeparators(m_fileName), m_reason);
}

} // namespace platform
