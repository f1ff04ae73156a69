#pragma once

#include <QString>

namespace platform {

// Path of a scratch file in the process's own temporary folder (owner-only, created on first
// use in $TMPDIR or, when that is unusable, in /tmp, made anew when it has gone, removed at exit),
// so that a user's file of the same name is never touched. Throws a FileError naming the folder when none can be made.
QString temporaryFilePath(const QString &name);

// Removes that folder with what it holds; the next scratch file gets a new one.
void removeTemporaryFolder();

// "dummy.wav" there: the file every tone is written to before it is played.
QString soundFilePath();

// "dummy.wav" in the user's own cache folder for the suite (created for the owner only): the
// tone file that hosted controls keep until their next tone overwrites it. A folder that is not
// the user's alone is refused with a FileError naming it; a link in its place is removed.
QString keptSoundFilePath();

} // namespace platform
