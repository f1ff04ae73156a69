#include "ClassStore.h"

#include "platform/FileChecks.h"
#include "platform/FileError.h"
#include "platform/FileWriting.h"
#include "platform/LastingText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// How long a registration waits for another one to finish with the store.
constexpr int LockWaitMs = 5000;

// Whether `file` can serve as the store: absent, or a regular file at the end of its links.
// Anything else is refused before it is opened, as opening a FIFO would wait for a writer.
bool usable(const QString &file, bool &exists)
{
    struct stat info {};
    exists = ::stat(QFile::encodeName(file).constData(), &info) == 0;
    return exists ? S_ISREG(info.st_mode) : errno == ENOENT;
}

bool readStore(const QString &file, QByteArray &bytes)
{
    // without blocking, should a FIFO have taken the file's place since it was looked at
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    bytes = in.readAll();
    return in.error() == QFileDevice::NoError;
}

// The store's content after `change`. QSettings reads lazily and writes back whatever it made of
// a broken file, so it reads a scratch copy in full before changing it.
bool changed(const QByteArray &before, const std::function<void(QSettings &)> &change, QByteArray &after)
{
    QTemporaryFile scratch;
    if (!scratch.open() || !platform::writeAndClose(scratch, {{&before, 1}}).isEmpty())
        return false;
    {
        QSettings store(scratch.fileName(), QSettings::IniFormat);
        store.allKeys();
        if (store.status() != QSettings::NoError || !store.isWritable())
            return false;
        change(store);
        store.sync();
        if (store.status() != QSettings::NoError)
            return false;
    }
    // QSettings put a new file in the scratch file's place
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    after = written.readAll();
    return written.error() == QFileDevice::NoError;
}

// Changes the store all or nothing, one process at a time: each registration reads, changes and
// replaces the whole file, so two at once would lose one of them. An absent store is made only
// when `create` is set.
HResult rewrite(const std::function<void(QSettings &)> &change, bool create)
{
    // a store that is a link stays one
    const QString file = platform::namedFile(path());
    bool exists = false;
    if (!usable(file, exists))
        return SELFREG_E_CLASS;
    if (!exists && !create)
        return S_OK;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? STG_E_LOCKVIOLATION : SELFREG_E_CLASS;
    QByteArray before;
    if (!usable(file, exists) || (exists && !readStore(file, before)))
        return SELFREG_E_CLASS;
    QByteArray after;
    if (!changed(before, change, after))
        return SELFREG_E_CLASS;
    // written beside the old store and renamed over it, so a reader sees one or the other
    try {
        platform::replaceFile(file, {{&after, 1}});
    } catch (const platform::FileError &) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

// Look-ups open only what can be a store, so a FIFO in its place does not hold a host for good.
bool readable()
{
    bool exists = false;
    return usable(platform::namedFile(path()), exists) && exists;
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
    return rewrite(
        [&](QSettings &store) {
            // QSettings keeps what it wrote in a cache of the process
            for (const auto &[key, value] : entries(description, libraryPath))
                store.setValue(key, platform::lastingCopy(value.toString()));
        },
        true);
}

HResult unregisterClass(const ControlDescription &description)
{
    return rewrite(
        [&](QSettings &store) {
            // a key exists only while it holds a value, so emptied keys go with their values
            for (const auto &entry : entries(description, QStringLiteral("-")))
                store.remove(entry.first);
        },
        false);
}

bool classOfProgId(const QString &progId, Guid &clsid)
{
    if (!readable())
        return false;
    QSettings store(path(), QSettings::IniFormat);
    return fromText(store.value(Root + progId + QStringLiteral("/Clsid") + Default).toString(), clsid);
}

QString libraryOfClass(const Guid &clsid)
{
    if (!readable())
        return QString();
    QSettings store(path(), QSettings::IniFormat);
    return store.value(clsidKey(clsid) + QStringLiteral("/InprocServer32") + Default).toString();
}

bool classOfLibrary(const QString &libraryPath, Guid &clsid)
{
    if (!readable())
        return false;
    QSettings store(path(), QSettings::IniFormat);
    store.beginGroup(Root + QStringLiteral("CLSID"));
    for (const QString &group : store.childGroups())
        if (store.value(group + QStringLiteral("/InprocServer32") + Default).toString() == libraryPath)
            return fromText(group, clsid);
    return false;
}

} // namespace com::ClassStore
