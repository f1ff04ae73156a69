#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <span>

class QFileDevice;

namespace platform {

// What a file is to hold: runs of byte strings, written one after another without being joined.
using FileContent = std::initializer_list<std::span<const QByteArray>>;

// Writes `content` into the open `file`, flushes and closes it. The reason for the first step
// that failed, closing included, in the user's words; "" when all went well.
QString writeAndClose(QFileDevice &file, FileContent content);

// Makes the file that a save to `path` reaches (fileToWrite) hold `content`. A new file is
// written directly; an existing one is written beside it and renamed over it, so that a failure
// costs it nothing; where its folder takes no new file, a writable one is rewritten in place if
// all of `content` fits. Throws a FileError naming `path`; a failure leaves no new file behind.
void replaceFile(const QString &path, FileContent content);

QString diskFullReason();

} // namespace platform
