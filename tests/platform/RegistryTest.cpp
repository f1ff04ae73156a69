#include "platform/Registry.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QSettings store(fileName(), QSettings::IniFormat);
        store.setValue(QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Shared Tools/MSINFO/PATH"),
                       QStringLiteral("C:\\Programme\\Gemeinsame Dateien\\Systemprüfung\\msinfo32.exe"));
        store.setValue(QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Velmora/Zahl"), 42);
        store.setValue(QStringLiteral("HKEY_LOCAL_MACHINE/SOFTWARE/Velmora/Lang"), QString(2000, QLatin1Char('x')));
        store.sync();
        ASSERT_EQ(store.status(), QSettings::NoError);
    }
    QString fileName() const { return folder.filePath(QStringLiteral("registry.ini")); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(SettingsRegistryTest, ReadsATextValueWithItsTerminatingZero)
{
    SettingsRegistry registry(fileName(), QSettings::IniFormat);
    Registry::Handle key = 0;
    ASSERT_EQ(registry.openKey(quint32(RegistryRoot::LocalMachine), QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), key),
              RegistryStatus::Success);
    quint32 type = 0;
    QByteArray data;
    ASSERT_EQ(registry.queryValue(key, QStringLiteral("PATH"), 1024, type, data), RegistryStatus::Success);
    EXPECT_EQ(type, quint32(RegistryType::Text));
    EXPECT_EQ(data, QStringLiteral("C:\\Programme\\Gemeinsame Dateien\\Systemprüfung\\msinfo32.exe").toUtf8() + '\0');
    EXPECT_EQ(registry.closeKey(key), RegistryStatus::Success);
    EXPECT_EQ(registry.closeKey(key), RegistryStatus::InvalidHandle) << "a key is closed once";
}

TEST_F(SettingsRegistryTest, TellsWhichStepFailed)
{
    SettingsRegistry registry(fileName(), QSettings::IniFormat);
    Registry::Handle key = 0;
    EXPECT_EQ(registry.openKey(quint32(RegistryRoot::LocalMachine), QStringLiteral("SOFTWARE\\Fehlt"), key),
              RegistryStatus::NotFound);
    EXPECT_EQ(registry.openKey(quint32(RegistryRoot::CurrentUser), QStringLiteral("SOFTWARE\\Velmora"), key),
              RegistryStatus::NotFound);
    EXPECT_EQ(registry.openKey(0x1234u, QStringLiteral("SOFTWARE\\Velmora"), key), RegistryStatus::InvalidHandle);
    ASSERT_EQ(registry.openKey(quint32(RegistryRoot::LocalMachine), QStringLiteral("SOFTWARE\\Velmora"), key),
              RegistryStatus::Success);
    quint32 type = 99;
    QByteArray data("unberührt");
    EXPECT_EQ(registry.queryValue(key, QStringLiteral("Fehlt"), 1024, type, data), RegistryStatus::NotFound);
    EXPECT_EQ(registry.queryValue(key, QStringLiteral("Lang"), 1024, type, data), RegistryStatus::MoreData);
    EXPECT_EQ(data, QByteArray("unberührt"));
    EXPECT_EQ(registry.queryValue(key + 1000, QStringLiteral("Zahl"), 1024, type, data), RegistryStatus::InvalidHandle);
    EXPECT_EQ(registry.closeKey(key), RegistryStatus::Success);
    EXPECT_EQ(registry.queryValue(key, QStringLiteral("Zahl"), 1024, type, data), RegistryStatus::InvalidHandle);
}

TEST_F(SettingsRegistryTest, AStoreThatDoesNotExistHasNoKeys)
{
    SettingsRegistry registry(folder.filePath(QStringLiteral("fehlt.ini")), QSettings::IniFormat);
    Registry::Handle key = 0;
    EXPECT_EQ(registry.openKey(quint32(RegistryRoot::LocalMachine), QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), key),
              RegistryStatus::NotFound);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("fehlt.ini")))) << "reading never creates the store";
}
