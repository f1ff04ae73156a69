#pragma once

#include "ControlDescription.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The per-user class store: an INI file laid out like the classes root ("@" is a key's default
// value), written by a library's registration, read by hosts.
namespace com::ClassStore {

// The file in force: $VELMORA_CLASS_STORE, else "Velmora/Classes.ini" in the user's
// configuration folder. Host and library read the same variable, as each has its own copy of
// this code.
QString path();

// Every value that registering `description` from `libraryPath` writes, keyed by its full
// name ("HKEY_CLASSES_ROOT/CLSID/{…}/InprocServer32/@").
QList<QPair<QString, QVariant>> entries(const ControlDescription &description, const QString &libraryPath);

// All or nothing, one process at a time; SELFREG_E_CLASS when the store cannot be written or is
// no regular file (a link to one is kept, and its target changed), STG_E_LOCKVIOLATION when
// another process holds it for more than a few seconds.
HResult registerClass(const ControlDescription &description, const QString &libraryPath);
// Removes exactly the registered keys; succeeds when nothing was registered.
HResult unregisterClass(const ControlDescription &description);

// Look-ups for a host: the class of a ProgID, the library that serves a class, and the class
// a library file serves.
bool classOfProgId(const QString &progId, Guid &clsid);
QString libraryOfClass(const Guid &clsid);
bool classOfLibrary(const QString &libraryPath, Guid &clsid);

} // namespace com::ClassStore
