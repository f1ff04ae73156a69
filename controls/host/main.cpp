// Registers, unregisters or sites one control library:
//   controlhost --register LIB | --unregister LIB | NAME
// where NAME is a ProgID or CLSID from the class store, or a library by path.
#include "platform/com/ClassStore.h"
#include "platform/com/ControlDescription.h"
#include "platform/com/ControlLoader.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>
#include <QWidget>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &text)
{
    err() << "controlhost: " << text << Qt::endl;
    return 1;
}

int registration(const QString &path, bool add)
{
    com::ControlLibrary library(path);
    if (!library.load())
        return fail(library.errorString());
    const com::HResult result = add ? library.registerServer() : library.unregisterServer();
    library.unload();
    if (result != com::S_OK)
        return fail(QStringLiteral("Fehler 0x%1 bei %2").arg(quint32(result), 8, 16, QLatin1Char('0')).arg(path));
    return 0;
}

// The class the store names for a library file.
bool classOfLibrary(const QString &path, com::Guid &clsid)
{
    QSettings store(com::ClassStore::path(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("HKEY_CLASSES_ROOT/CLSID"));
    for (const QString &group : store.childGroups())
        if (store.value(group + QStringLiteral("/InprocServer32/@")).toString() == path)
            return com::fromText(group, clsid);
    return false;
}

int site(const QString &name)
{
    com::Guid clsid;
    QString path;
    if (QFileInfo(name).isFile()) {
        // a library by path registers itself first, so the store names its class
        path = QFileInfo(name).absoluteFilePath();
        if (const int result = registration(path, true))
            return result;
        if (!classOfLibrary(path, clsid))
            return fail(QStringLiteral("%1 meldet keine Klasse an").arg(path));
    } else {
        path = com::libraryForClass(name, clsid);
        if (path.isEmpty())
            return fail(QStringLiteral("%1 ist nicht registriert").arg(name));
    }
    auto owner = std::make_unique<com::ControlLibrary>(path);
    com::ControlLibrary *library = owner.get();
    if (!library->load())
        return fail(library->errorString());

    com::IControlSite *control = nullptr;
    if (const com::HResult result = library->createControl(clsid, &control); result != com::S_OK)
        return fail(QStringLiteral("Fehler 0x%1 beim Anlegen").arg(quint32(result), 8, 16, QLatin1Char('0')));
    void *infoObject = nullptr;
    QString title = name;
    if (control->QueryInterface(com::IID_IControlInfo, &infoObject) == com::S_OK) {
        auto *info = static_cast<com::IControlInfo *>(infoObject);
        const com::ControlDescription *description = nullptr;
        if (info->GetDescription(&description) == com::S_OK)
            title = QString::fromLatin1(description->className);
        info->Release();
    }

    QWidget window;
    window.setWindowTitle(title);
    control->SetContainer(&window);
    QWidget *panel = nullptr;
    control->GetPanel(&panel);
    if (panel)
        window.setFixedSize(panel->size());
    window.show();
    const int code = QCoreApplication::exec();
    control->SetContainer(nullptr);
    control->Release();
    library->unload();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && (args[0] == QLatin1String("--register") || args[0] == QLatin1String("--unregister")))
        return registration(args[1], args[0] == QLatin1String("--register"));
    if (args.size() == 1 && !args[0].startsWith(QLatin1String("--")))
        return site(args[0]);
    return fail(QStringLiteral("Aufruf: controlhost --register LIB | --unregister LIB | NAME"));
}
