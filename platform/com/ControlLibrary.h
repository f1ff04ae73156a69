#pragma once

#include "Com.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace com {

// A host's hold on one control library: loaded by path, its four entry points resolved.
class ControlLibrary {
public:
    explicit ControlLibrary(const QString &path);
    ~ControlLibrary();
    ControlLibrary(const ControlLibrary &) = delete;
    ControlLibrary &operator=(const ControlLibrary &) = delete;

    // False, with the reason in errorString(), when the file does not load or an entry point
    // is missing.
    bool load();
    QString errorString() const { return m_error; }

    HResult registerServer() const;
    HResult unregisterServer() const;
    HResult classObject(const Guid &clsid, const Guid &iid, void **object) const;
    // A new control of the class, its site interface AddRef'd for the caller.
    HResult createControl(const Guid &clsid, IControlSite **site) const;
    HResult canUnloadNow() const;

    // Delivers deferred deletions, then unloads only when the library says it may.
    bool unload();

private:
    QLibrary m_library;
    QString m_error;
    DllRegisterServerFunction m_register = nullptr;
    DllUnregisterServerFunction m_unregister = nullptr;
    DllGetClassObjectFunction m_getClassObject = nullptr;
    DllCanUnloadNowFunction m_canUnloadNow = nullptr;
};

// The library the class store names for a ProgID or a CLSID text; "" when it names none.
QString libraryForClass(const QString &progIdOrClsid, Guid &clsid);

} // namespace com
