#include "ClassStore.h"

#include "platform/FileChecks.h"
#include "platform/LastingText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <functional>

namespace com::ClassStore {

namespace {

const QString Root = QStringLiteral("HKEY_CLASSES_ROOT/");
const QString Default = QStringLiteral("/@");

QString clsidKey(const Guid &clsid)
{
    return Root + QStringLiteral("CLSID/") + toText(clsid);
}

QString typeLibKey(const ControlDescription &d)
{
    return Root + QStringLiteral("TypeLib/") + toText(d.libid);
}

// Changes the store all or nothing. QSettings reads lazily and writes back whatever it made of
// a broken file, so it is read in full first, and the change is made on a copy that replaces
// the store only once written.
HResult rewrite(const std::function<void(QSettings &)> &change)
{
    // a store that is a link stays one
    const QString file = platform::namedFile(path());
    const QFileInfo info(file);
    QByteArray before;
    if (info.exists()) {
        QFile old(file);
        if (!old.open(QIODevice::ReadOnly))
            return SELFREG_E_CLASS;
        before = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return SELFREG_E_CLASS;
    }
    QTemporaryFile copy(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(before) != before.size() || !copy.flush())
        return SELFREG_E_CLASS;
    copy.close();
    if (info.exists())
        copy.setPermissions(info.permissions());
    {
        QSettings store(copy.fileName(), QSettings::IniFormat);
        store.allKeys();
        if (store.status() != QSettings::NoError || !store.isWritable())
            return SELFREG_E_CLASS;
        change(store);
        store.sync();
        if (store.status() != QSettings::NoError)
            return SELFREG_E_CLASS;
    }
    if (std::rename(QFile::encodeName(copy.fileName()).constData(), QFile::encodeName(file).constData()) != 0)
        return SELFREG_E_CLASS;
    copy.setAutoRemove(false);
    return S_OK;
}

} // namespace

QString path()
{
    const QString chosen = qEnvironmentVariable("VELMORA_CLASS_STORE");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Velmora/Classes.ini");
}

QList<QPair<QString, QVariant>> entries(const ControlDescription &d, const QString &libraryPath)
{
    const QString progId = QString::fromLatin1(d.progId);
    const QString clsid = clsidKey(d.clsid);
    const QString libid = toText(d.libid);
    const QString version = versionText(d);
    const QString typeLib = typeLibKey(d) + QLatin1Char('/') + version;
    QList<QPair<QString, QVariant>> e{
        {Root + progId + Default, QString::fromLatin1(d.progId)},
        {Root + progId + QStringLiteral("/Clsid") + Default, toText(d.clsid)},
        {clsid + Default, progId},
        {clsid + QStringLiteral("/InprocServer32") + Default, libraryPath},
        {clsid + QStringLiteral("/InprocServer32/ThreadingModel"), QStringLiteral("Apartment")},
        {clsid + QStringLiteral("/ProgID") + Default, progId},
        {clsid + QStringLiteral("/VERSION") + Default, version},
        {clsid + QStringLiteral("/TypeLib") + Default, libid},
        {clsid + QStringLiteral("/Control") + Default, QString()},
        {clsid + QStringLiteral("/ToolboxBitmap32") + Default,
         QStringLiteral("%1, %2").arg(libraryPath).arg(d.toolboxBitmapId)},
        {clsid + QStringLiteral("/MiscStatus") + Default, QStringLiteral("0")},
        {clsid + QStringLiteral("/MiscStatus/1") + Default, QString::number(d.miscStatus)},
        {typeLib + Default, QString::fromLatin1(d.helpString)},
        {typeLib + QStringLiteral("/FLAGS") + Default, QString::number(d.libraryFlags)},
        {typeLib + QStringLiteral("/0/linux") + Default, libraryPath},
        {typeLib + QStringLiteral("/HELPDIR") + Default, QFileInfo(libraryPath).absolutePath()},
    };
    for (const InterfaceDescription &i : {d.defaultInterface, d.eventInterface}) {
        const QString key = Root + QStringLiteral("Interface/") + toText(i.iid);
        e.append({key + Default, QString::fromLatin1(i.name)});
        e.append({key + QStringLiteral("/TypeLib") + Default, libid});
        e.append({key + QStringLiteral("/TypeLib/Version"), version});
    }
    return e;
}

HResult registerClass(const ControlDescription &description, const QString &libraryPath)
{
    if (libraryPath.isEmpty() || !QDir().mkpath(QFileInfo(path()).absolutePath()))
        return SELFREG_E_CLASS;
    return rewrite([&](QSettings &store) {
        // QSettings keeps what it wrote in a cache of the process
        for (const auto &[key, value] : entries(description, libraryPath))
            store.setValue(key, platform::lastingCopy(value.toString()));
    });
}

HResult unregisterClass(const ControlDescription &description)
{
    if (!QFileInfo::exists(path()))
        return S_OK;
    return rewrite([&](QSettings &store) {
        // a key exists only while it holds a value, so emptied keys go with their values
        for (const auto &entry : entries(description, QStringLiteral("-")))
            store.remove(entry.first);
    });
}

bool classOfProgId(const QString &progId, Guid &clsid)
{
    QSettings store(path(), QSettings::IniFormat);
    return fromText(store.value(Root + progId + QStringLiteral("/Clsid") + Default).toString(), clsid);
}

QString libraryOfClass(const Guid &clsid)
{
    QSettings store(path(), QSettings::IniFormat);
    return store.value(clsidKey(clsid) + QStringLiteral("/InprocServer32") + Default).toString();
}

bool classOfLibrary(const QString &libraryPath, Guid &clsid)
{
    QSettings store(path(), QSettings::IniFormat);
    store.beginGroup(Root + QStringLiteral("CLSID"));
    for (const QString &group : store.childGroups())
        if (store.value(group + QStringLiteral("/InprocServer32") + Default).toString() == libraryPath)
            return fromText(group, clsid);
    return false;
}

} // namespace com::ClassStore
