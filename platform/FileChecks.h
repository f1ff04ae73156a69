#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;
class QIODevice;

namespace platform {

// The file a path names: links followed to their end, even when that end does not exist yet,
// so that a dangling link means the same file to every writer. Other paths come back as given.
QString namedFile(const QString &path);

// Writes all of `bytes`, retrying after a short write so that a failure carries the system's
// reason ("Kein freier Speicherplatz …") instead of Qt's "Unbekannter Fehler".
bool writeFully(QIODevice &device, const QByteArray &bytes);

// Whether `size` bytes fit on the file system of an existing `file` once it is truncated.
bool fitsInPlace(const QString &file, qint64 size);

QString diskFullReason();

// Why writing `file` failed: the system's reason where Qt has one, else a full disk when its
// file system has no room left, else that not everything could be written.
QString writeFailureReason(const QFileDevice &file);

} // namespace platform
