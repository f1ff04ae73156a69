#pragma once

#include "DemoDescription.h"

#include <QByteArray>
#include <QString>

namespace demos {

// Writes the record at offset 0 in one write, creating the file if needed but never cutting
// it: a longer file keeps its bytes behind the record. Throws platform::FileError.
void writeSettingsFile(const QString &path, const DemoDescription &demo, const QByteArray &record);

// The bytes from offset 0 that hold the record (fewer when the file is shorter).
// Throws platform::FileError when the file cannot be opened or read.
QByteArray readSettingsFile(const QString &path, const DemoDescription &demo);

} // namespace demos
