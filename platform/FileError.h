#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A file that could not be created, written or read, with the reason in the user's words.
class FileError : public std::runtime_error {
public:
    FileError(const QString &fileName, const QString &reason);
    // A folder that could not be made or may not be used; the message names it as a folder.
    static FileError folder(const QString &folderName, const QString &reason);

    const QString &fileName() const { return m_fileName; }
    const QString &reason() const { return m_reason; }
    bool isFolder() const { return m_folder; }
    // "Die Datei „…“ konnte nicht geschrieben werden: …", or "Der Ordner „…“ …" for a folder
    QString message() const;

private:
    QString m_fileName;
    QString m_reason;
    bool m_folder = false;
};

} // namespace platform
