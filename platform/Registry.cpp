#include "Registry.h"

#include <QStringList>
#include <QVariant>
#include <QtEndian>

namespace platform {

namespace {

// How a value read through QSettings was stored, as type and bytes.
void toRegistryValue(const QVariant &value, quint32 &type, QByteArray &data)
{
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        type = quint32(RegistryType::Binary);
        data = value.toByteArray();
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        type = quint32(RegistryType::Number);
        data = QByteArray(4, '\0');
        qToLittleEndian<quint32>(quint32(value.toULongLong()), data.data());
        return;
    }
    case QMetaType::QStringList: {
        type = quint32(RegistryType::MultiText);
        data.clear();
        for (const QString &line : value.toStringList())
            data += line.toUtf8() + '\0';
        data += '\0';
        return;
    }
    default:
        type = quint32(RegistryType::Text);
        data = value.toString().toUtf8() + '\0';
        return;
    }
}

} // namespace

Registry::~Registry() = default;

QString registryRootName(quint32 root)
{
    switch (RegistryRoot(root)) {
    case RegistryRoot::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::Users: return QStringLiteral("HKEY_USERS");
    }
    return QString();
}

SettingsRegistry::SettingsRegistry()
{
#ifndef Q_OS_WIN
    m_fileName = QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Velmora"),
                           QStringLiteral("Registry"))
                     .fileName();
#endif
}

SettingsRegistry::SettingsRegistry(const QString &fileName, QSettings::Format format)
    : m_fileName(fileName)
    , m_format(format)
{
}

SettingsRegistry::~SettingsRegistry() = default;

std::unique_ptr<QSettings> SettingsRegistry::openStore(const QString &rootName, const QString &path) const
{
    if (m_fileName.isEmpty())
        return std::make_unique<QSettings>(rootName + QLatin1Char('\\') + path, QSettings::NativeFormat);
    auto store = std::make_unique<QSettings>(m_fileName, m_format);
    QString group = path;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    store->beginGroup(rootName + QLatin1Char('/') + group);
    return store;
}

RegistryStatus SettingsRegistry::openKey(quint32 root, const QString &path, Handle &key)
{
    const QString rootName = registryRootName(root);
    if (rootName.isEmpty())
        return RegistryStatus::InvalidHandle;
    std::unique_ptr<QSettings> store = openStore(rootName, path);
    if (store->status() != QSettings::NoError)
        return RegistryStatus::Failed;
    // QSettings cannot tell an empty key from a missing one; neither holds a value to read
    if (store->childKeys().isEmpty() && store->childGroups().isEmpty())
        return RegistryStatus::NotFound;
    key = m_next++;
    m_open.emplace(key, std::move(store));
    return RegistryStatus::Success;
}

RegistryStatus SettingsRegistry::queryValue(Handle key, const QString &name, qsizetype capacity, quint32 &type,
                                            QByteArray &data)
{
    const auto found = m_open.find(key);
    if (found == m_open.end())
        return RegistryStatus::InvalidHandle;
    QSettings &store = *found->second;
    if (!store.contains(name))
        return RegistryStatus::NotFound;
    quint32 storedType = 0;
    QByteArray bytes;
    toRegistryValue(store.value(name), storedType, bytes);
    if (bytes.size() > capacity)
        return RegistryStatus::MoreData;
    type = storedType;
    data = bytes;
    return RegistryStatus::Success;
}

RegistryStatus SettingsRegistry::closeKey(Handle key)
{
    return m_open.erase(key) == 1 ? RegistryStatus::Success : RegistryStatus::InvalidHandle;
}

} // namespace platform
