#pragma once

#include <QString>

// The open and save dialogs of the demonstrations. Filter kind "Wave" or "Set" (any case);
// an empty initial directory means the current one; an empty title the default one.
// Both return the chosen path, or "" when the user cancels. Save asks before replacing a file;
// "Nein" shows the dialog again.
namespace ModFiles {

QString ShowOpenDialog(const QString &filterKind, const QString &initialDirectory, const QString &title);
QString ShowSaveDialog(const QString &filterKind, const QString &initialDirectory, const QString &title);

} // namespace ModFiles
