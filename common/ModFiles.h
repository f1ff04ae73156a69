#pragma once

#include <QString>

// The open and save dialogs of the demonstrations. Filter kind "Wave" or "Set" (any case);
// an empty initial directory means the current one; an empty title the default one.
// Both return the chosen path, or "" when the user cancels. Save asks before replacing a file,
// naming the file that a link leads to; "Nein" shows the dialog again. A name that cannot be
// written (a folder, a link that is not followed) is refused with a message and gives "".
namespace ModFiles {

QString ShowOpenDialog(const QString &filterKind, const QString &initialDirectory, const QString &title);
QString ShowSaveDialog(const QString &filterKind, const QString &initialDirectory, const QString &title);

} // namespace ModFiles
