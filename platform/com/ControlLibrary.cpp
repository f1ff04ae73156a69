#include "ControlLibrary.h"

#include "ClassStore.h"
#include "ControlDescription.h"

#include <QCoreApplication>
#include <QEvent>

namespace com {

ControlLibrary::ControlLibrary(const QString &path)
    : m_library(path)
{
}

ControlLibrary::~ControlLibrary() = default;

bool ControlLibrary::load()
{
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    m_register = reinterpret_cast<DllRegisterServerFunction>(m_library.resolve("DllRegisterServer"));
    m_unregister = reinterpret_cast<DllUnregisterServerFunction>(m_library.resolve("DllUnregisterServer"));
    m_getClassObject = reinterpret_cast<DllGetClassObjectFunction>(m_library.resolve("DllGetClassObject"));
    m_canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(m_library.resolve("DllCanUnloadNow"));
    const std::pair<bool, const char *> entries[] = {{m_register != nullptr, "DllRegisterServer"},
                                                     {m_unregister != nullptr, "DllUnregisterServer"},
                                                     {m_getClassObject != nullptr, "DllGetClassObject"},
                                                     {m_canUnloadNow != nullptr, "DllCanUnloadNow"}};
    for (const auto &[found, name] : entries)
        if (!found) {
            m_error = QStringLiteral("%1 fehlt in %2").arg(QLatin1String(name), m_library.fileName());
            m_library.unload();
            m_register = nullptr;
            m_unregister = nullptr;
            m_getClassObject = nullptr;
            m_canUnloadNow = nullptr;
            return false;
        }
    return true;
}

HResult ControlLibrary::registerServer() const
{
    return m_register ? m_register() : E_UNEXPECTED;
}

HResult ControlLibrary::unregisterServer() const
{
    return m_unregister ? m_unregister() : E_UNEXPECTED;
}

HResult ControlLibrary::classObject(const Guid &clsid, const Guid &iid, void **object) const
{
    return m_getClassObject ? m_getClassObject(&clsid, &iid, object) : E_UNEXPECTED;
}

HResult ControlLibrary::createControl(const Guid &clsid, IControlSite **site) const
{
    if (!site)
        return E_POINTER;
    *site = nullptr;
    void *factory = nullptr;
    HResult result = classObject(clsid, IID_IClassFactory, &factory);
    if (result != S_OK)
        return result;
    auto *classFactory = static_cast<IClassFactory *>(factory);
    void *object = nullptr;
    result = classFactory->CreateInstance(nullptr, IID_IControlSite, &object);
    classFactory->Release();
    if (result == S_OK)
        *site = static_cast<IControlSite *>(object);
    return result;
}

HResult ControlLibrary::canUnloadNow() const
{
    return m_canUnloadNow ? m_canUnloadNow() : S_OK;
}

bool ControlLibrary::unload()
{
    if (!m_library.isLoaded())
        return true;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (canUnloadNow() != S_OK)
        return false;
    m_register = nullptr;
    m_unregister = nullptr;
    m_getClassObject = nullptr;
    m_canUnloadNow = nullptr;
    return m_library.unload();
}

QString libraryForClass(const QString &progIdOrClsid, Guid &clsid)
{
    if (!fromText(progIdOrClsid, clsid) && !ClassStore::classOfProgId(progIdOrClsid, clsid))
        return {};
    return ClassStore::libraryOfClass(clsid);
}

} // namespace com
