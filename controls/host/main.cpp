// Registers, unregisters or sites one control library:
//   controlhost --register LIB | --unregister LIB | NAME
// where NAME is a ProgID or CLSID from the class store, or a library by path.
#include "platform/com/ClassStore.h"
#include "platform/com/ControlDescription.h"
#include "platform/com/ControlLibrary.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

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

QString hresultText(com::HResult result)
{
    return QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

// Loads the library at `path` as given, with the reason in German when it does not load.
bool loadLibrary(com::ControlLibrary &library, const QString &path, QString &failure)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        failure = QStringLiteral("Die Bibliothek „%1“ gibt es nicht.").arg(path);
        return false;
    }
    // QLibrary would try other names (libX.so) and explain in English; a bare load tells
    // whether the file is a library at all
    QLibrary probe(file.absoluteFilePath());
    if (!probe.load()) {
        failure = QStringLiteral("Die Bibliothek „%1“ lässt sich nicht laden: sie ist keine Bibliothek für "
                                 "dieses System, oder ihr fehlt eine andere.")
                      .arg(path);
        return false;
    }
    const bool loaded = library.load();
    probe.unload();
    if (!loaded)
        failure = QStringLiteral("Die Bibliothek „%1“ ist kein Steuerelement: %2").arg(path, library.errorString());
    return loaded;
}

int registration(const QString &path, bool add, bool quiet = false)
{
    com::ControlLibrary library(QFileInfo(path).absoluteFilePath());
    QString failure;
    if (!loadLibrary(library, path, failure))
        return fail(failure);
    const com::HResult result = add ? library.registerServer() : library.unregisterServer();
    library.unload();
    const QString done = add ? QStringLiteral("registriert") : QStringLiteral("abgemeldet");
    if (result != com::S_OK) {
        QString text = QStringLiteral("Die Bibliothek „%1“ konnte nicht %2 werden (Fehler %3).")
                           .arg(path, done, hresultText(result));
        if (result == com::SELFREG_E_CLASS)
            text += QStringLiteral(" Die Klassenablage „%1“ ist keine gewöhnliche Datei, nicht lesbar oder nicht "
                                   "beschreibbar; sie bleibt, wie sie war.")
                        .arg(com::ClassStore::path());
        if (result == com::STG_E_LOCKVIOLATION)
            text += QStringLiteral(" Die Klassenablage „%1“ ist von einem anderen Vorgang belegt; sie bleibt, wie sie "
                                   "war.")
                        .arg(com::ClassStore::path());
        return fail(text);
    }
    if (!quiet)
        QTextStream(stdout) << QStringLiteral("Die Bibliothek „%1“ ist %2.").arg(path, done) << Qt::endl;
    return 0;
}

int site(const QString &name)
{
    com::Guid clsid;
    QString path;
    if (QFileInfo(name).isFile()) {
        // a library by path registers itself first, so the store names its class
        path = QFileInfo(name).absoluteFilePath();
        if (const int result = registration(path, true, true))
            return result;
        if (!com::ClassStore::classOfLibrary(path, clsid))
            return fail(QStringLiteral("Die Bibliothek „%1“ meldet keine Klasse an.").arg(name));
    } else {
        path = com::libraryForClass(name, clsid);
        if (path.isEmpty())
            return fail(QStringLiteral("„%1“ ist nicht registriert.").arg(name));
    }
    auto owner = std::make_unique<com::ControlLibrary>(path);
    com::ControlLibrary *library = owner.get();
    if (QString failure; !loadLibrary(*library, path, failure))
        return fail(failure);

    com::IControlSite *control = nullptr;
    if (const com::HResult result = library->createControl(clsid, &control); result != com::S_OK)
        return fail(QStringLiteral("Das Steuerelement konnte nicht angelegt werden (Fehler %1).").arg(hresultText(result)));
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

int run()
{
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && (args[0] == QLatin1String("--register") || args[0] == QLatin1String("--unregister")))
        return registration(args[1], args[0] == QLatin1String("--register"));
    if (args.size() == 1 && !args[0].startsWith(QLatin1String("--")))
        return site(args[0]);
    return fail(QStringLiteral("Aufruf: controlhost --register LIB | --unregister LIB | NAME"));
}

} // namespace

int main(int argc, char **argv)
{
    int code = 0;
    {
        QApplication app(argc, argv);
        code = run();
    }
    // Qt Multimedia 6.4 tears its sound server connection down at exit while the server may still
    // be answering, and then aborts in pa_pdispatch_run: the system frees it with the process.
    // No test shows it every time; with a later Qt, return the code instead and run
    // Programs/QuitTest.ProcessEndsSoonAfterTheLastWindowAndLeavesNoTemporaryFolder/SorvenaInTheControlHost
    // again and again
    std::fflush(nullptr);
    std::_Exit(code);
}
