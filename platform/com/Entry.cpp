// Compiled into each control module: its four exports, handed to the generic server with the
// module's own definition.
#include "ControlServer.h"

#include <QFileInfo>

#include <dlfcn.h>

const com::ControlDefinition &velmoraControlDefinition();

#define VELMORA_EXPORT extern "C" __attribute__((visibility("default")))

VELMORA_EXPORT com::HResult DllRegisterServer() noexcept;

namespace {

// Where this module was loaded from, so the store names the file a host must load.
QString libraryPath() noexcept
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&DllRegisterServer), &info) || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

VELMORA_EXPORT com::HResult DllRegisterServer() noexcept
{
    return com::ControlServer::registerServer(velmoraControlDefinition(), libraryPath());
}

VELMORA_EXPORT com::HResult DllUnregisterServer() noexcept
{
    return com::ControlServer::unregisterServer(velmoraControlDefinition());
}

VELMORA_EXPORT com::HResult DllGetClassObject(const com::Guid *clsid, const com::Guid *iid, void **object) noexcept
{
    return com::ControlServer::getClassObject(velmoraControlDefinition(), clsid, iid, object);
}

VELMORA_EXPORT com::HResult DllCanUnloadNow() noexcept
{
    return com::ControlServer::canUnloadNow();
}
