#include "ClassStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>


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
    const QString file = path();
    if (libraryPath.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return SELFREG_E_CLASS;
    QSettings store(file, QSettings::IniFormat);
    if (store.status() != QSettings::NoError || !store.isWritable())
        return SELFREG_E_CLASS;
    for (const auto &[key, value] : entries(description, libraryPath))
        store.setValue(key, value);
    // the whole file is replaced at once, so a failed write leaves the old store
    store.sync();
    return store.status() == QSettings::NoError ? S_OK : SELFREG_E_CLASS;
}

HResult unregisterClass(const ControlDescription &description)
{
    const QString file = path();
    if (!QFileInfo::exists(file))
        return S_OK;
    QSettings store(file, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        return SELFREG_E_CLASS;
    // a key exists only while it holds a value, so emptied keys go with their values
    for (const auto &entry : entries(description, QStringLiteral("-")))
        store.remove(entry.first);
    store.sync();
    return store.status() == QSettings::NoError ? S_OK : SELFREG_E_CLASS;
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

} // namespace com::ClassStore
