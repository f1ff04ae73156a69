#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <map>
#include <memory>

namespace platform {

// Root keys by the handle values programs know them by.
enum class RegistryRoot : quint32 {
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
};

// Each step says on its own whether it worked, so a caller can tell a missing key from a
// missing value from a value too long for its buffer.
enum class RegistryStatus { Success, NotFound, MoreData, InvalidHandle, Failed };

// Value types as stored; only Text is read as text by the suite.
enum class RegistryType : quint32 { None = 0, Text = 1, ExpandText = 2, Binary = 3, Number = 4, MultiText = 7 };

// Read-only access to a registry: open a key, query values by name, close it again.
class Registry {
public:
    using Handle = quintptr;

    Registry() = default;
    virtual ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    // `path` separated by backslashes, e.g. "SOFTWARE\\Vendor\\Tool".
    virtual RegistryStatus openKey(quint32 root, const QString &path, Handle &key) = 0;
    // The value's type and bytes; MoreData, with `data` untouched, when it holds more than `capacity` bytes.
    virtual RegistryStatus queryValue(Handle key, const QString &name, qsizetype capacity, quint32 &type,
                                      QByteArray &data) = 0;
    virtual RegistryStatus closeKey(Handle key) = 0;
};

// The store QSettings reads natively: the registry where the system has one; elsewhere a
// system-wide configuration file that the suite only ever reads.
class SettingsRegistry : public Registry {
public:
    SettingsRegistry();
    // A store kept in one file; keys are groups named "HKEY_LOCAL_MACHINE/SOFTWARE/...".
    SettingsRegistry(const QString &fileName, QSettings::Format format);
    ~SettingsRegistry() override;

    RegistryStatus openKey(quint32 root, const QString &path, Handle &key) override;
    RegistryStatus queryValue(Handle key, const QString &name, qsizetype capacity, quint32 &type,
                              QByteArray &data) override;
    RegistryStatus closeKey(Handle key) override;

private:
    std::unique_ptr<QSettings> openStore(const QString &rootName, const QString &path) const;

    QString m_fileName;  // empty: the system's own registry
    QSettings::Format m_format = QSettings::NativeFormat;
    std::map<Handle, std::unique_ptr<QSettings>> m_open;
    Handle m_next = 1;
};

// "HKEY_LOCAL_MACHINE" and its kin; "" for a handle that is no root key.
QString registryRootName(quint32 root);

} // namespace platform
