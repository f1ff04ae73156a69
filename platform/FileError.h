#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A file that could not be created, written or read, with the reason in the user's words.
class FileError : public std::runtime_error {
public:
    FileError(const QString &fileName, const QString &reason);

    const QString &fileName() const { return m_fileName; }
    const QString &reason() const { return m_reason; }
    // "Die Datei „…“ konnte nicht geschrieben werden: …"
    QString message() const;

private:
    QString m_fileName;
    QString m_reason;
};

} // namespace platform
