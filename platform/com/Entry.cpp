// Compiled into each control module: its four exports, handed to the generic server with the
// module's own definition.
#include "ControlServer.h"

#include <QFileInfo>
#include <QMediaDevices>

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

// Qt Multimedia's sound threads outlive a control that played through them: were the library
// unloaded with the last module that loaded it, its teardown would abort the host (Qt 6.4;
// with a sound server, EveryLibrary/Module.ExportsFourEntryPointsAndRunsFromRegistrationToUnload/Pellira
// and EveryLibrary/Module.LoadedAgainAndAgainInOneHostLeavesNothingBehindInTheOldImage/* crash
// without it).
void keepMultimediaLoaded() noexcept
{
    static const bool kept = [] {
        Dl_info info{};
        if (!dladdr(reinterpret_cast<void *>(&QMediaDevices::audioOutputs), &info) || !info.dli_fname)
            return false;
        return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
    }();
    (void)kept;
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
    keepMultimediaLoaded();
    return com::ControlServer::getClassObject(velmoraControlDefinition(), clsid, iid, object);
}

VELMORA_EXPORT com::HResult DllCanUnloadNow() noexcept
{
    return com::ControlServer::canUnloadNow();
}
