#pragma once

#include <QString>

namespace platform {

// The file a write to `path` reaches: links followed to their end, even when that end does not
// exist yet, so that a dangling link means the same file to every writer. A link in a sticky
// folder that everyone may write to is followed only when it is the user's or the folder
// owner's, as the system's own protection of such folders has it. Throws a FileError naming
// `path` for a link that is not followed, a folder, or anything but a regular file.
QString fileToWrite(const QString &path);

// The same end of the links without refusing anything, for reading and locking beside it: where
// a link is not to be followed, the link itself.
QString namedFile(const QString &path);

// Why a name cannot be written or read as a file, in the user's words.
QString folderReason();
QString notAFileReason();

} // namespace platform
