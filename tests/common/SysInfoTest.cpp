#include "common/frmAbout.h"
#include "support/RecordingServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace testing_support;
using platform::RegistryRoot;
using platform::RegistryType;

namespace {

constexpr quint32 LocalMachine = quint32(RegistryRoot::LocalMachine);
const QString SysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System-Informationen sind augenblicklich nicht verfügbar.");
const QString ToolKey = QStringLiteral("SOFTWARE\\Velmora\\Werkzeug");

} // namespace

TEST(GetKeyValue, ReadsTextValuesAndClosesEveryKeyItOpened)
{
    struct Row {
        const char *name;
        std::optional<quint32> type;  // none: the key holds no such value
        QByteArray stored;
        bool read;
        QString text;
    };
    const Row rows[] = {
        {"text stored with its terminating zero", 1u, QByteArray("C:\\Tools\\info.exe\0", 18), true,
         QStringLiteral("C:\\Tools\\info.exe")},
        {"text stored without a terminating zero", 1u, QByteArray("C:\\Tools\\info.exe"), true,
         QStringLiteral("C:\\Tools\\info.exe")},
        {"only one of two zeros is dropped", 1u, QByteArray("abc\0\0", 5), true, QString::fromLatin1("abc\0", 4)},
        {"text with umlauts", 1u, QStringLiteral("C:\\Gemeinsame Dateien\\Prüfung").toUtf8() + '\0', true,
         QStringLiteral("C:\\Gemeinsame Dateien\\Prüfung")},
        {"empty text", 1u, QByteArray(1, '\0'), true, QString()},
        {"value of size 0", 1u, QByteArray(), true, QString()},
        {"value that fills the buffer exactly", 1u, QByteArray(1023, 'x') + '\0', true,
         QString(1023, QLatin1Char('x'))},
        {"value too long for the buffer", 1u, QByteArray(1024, 'x') + '\0', false, QString()},
        {"number value", quint32(RegistryType::Number), QByteArray("\x2a\0\0\0", 4), true, QString()},
        {"expandable text is not plain text", quint32(RegistryType::ExpandText), QByteArray("%windir%\0", 9), true,
         QString()},
        {"missing value", std::nullopt, QByteArray(), false, QString()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        recorder.fakeRegistry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Anderes"),
                                      QStringLiteral("x"));
        if (row.type)
            recorder.fakeRegistry.setValue(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Pfad"), *row.type,
                                           row.stored);
        QString value = QStringLiteral("vorher");
        EXPECT_EQ(frmAbout::GetKeyValue(LocalMachine, ToolKey, QStringLiteral("Pfad"), value), row.read);
        EXPECT_EQ(value, row.text);
        EXPECT_EQ(recorder.fakeRegistry.queryCapacities, QList<qsizetype>{1024});
        EXPECT_EQ(recorder.fakeRegistry.opened.size(), 1);
        EXPECT_EQ(recorder.fakeRegistry.closed, recorder.fakeRegistry.opened);
    }
}

TEST(GetKeyValue, MissingKeyIsNeitherReadNorClosed)
{
    struct Row {
        const char *name;
        quint32 root;
        QString key;
    };
    const Row rows[] = {
        {"key that does not exist", LocalMachine, QStringLiteral("SOFTWARE\\Velmora\\Fehlt")},
        {"key under another root", quint32(RegistryRoot::CurrentUser), ToolKey},
        {"root that is no root key", 0x12345u, ToolKey},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        recorder.fakeRegistry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Pfad"), QStringLiteral("x"));
        QString value = QStringLiteral("vorher");
        EXPECT_FALSE(frmAbout::GetKeyValue(row.root, row.key, QStringLiteral("Pfad"), value));
        EXPECT_EQ(value, QString());
        EXPECT_TRUE(recorder.fakeRegistry.opened.isEmpty());
        EXPECT_TRUE(recorder.fakeRegistry.closed.isEmpty());
        EXPECT_TRUE(recorder.fakeRegistry.queryCapacities.isEmpty());
    }
}

TEST(GetKeyValue, AFailedCloseDoesNotSpoilAValueAlreadyRead)
{
    RecordingServices recorder;
    platform::ScopedServices scope(recorder);
    recorder.fakeRegistry.setText(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("Pfad"), QStringLiteral("C:\\x"));
    recorder.fakeRegistry.failClose = true;
    QString value;
    EXPECT_TRUE(frmAbout::GetKeyValue(LocalMachine, ToolKey, QStringLiteral("Pfad"), value));
    EXPECT_EQ(value, QStringLiteral("C:\\x"));
    EXPECT_EQ(recorder.fakeRegistry.closed, recorder.fakeRegistry.opened);
}

TEST(StartSysInfo, StartsTheProgramTheRegistryNamesOrSaysItIsUnavailable)
{
    QTemporaryDir withProgram;
    QTemporaryDir withoutProgram;
    QTemporaryDir withFolderOfThatName;
    ASSERT_TRUE(withProgram.isValid() && withoutProgram.isValid() && withFolderOfThatName.isValid());
    {
        QFile program(withProgram.filePath(QStringLiteral("MSINFO32.EXE")));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("MZ");
    }
    ASSERT_TRUE(QDir(withFolderOfThatName.path()).mkdir(QStringLiteral("MSINFO32.EXE")));
    const QString programInFolder = withProgram.path() + QDir::separator() + QStringLiteral("MSINFO32.EXE");

    struct Row {
        const char *name;
        std::optional<QByteArray> first;   // "PATH" under the MSINFO key, with its zero
        std::optional<QString> second;     // "MSINFO" under the tools location key
        bool startSucceeds;
        QString started;  // "" = nothing started
        bool unavailable;
    };
    const Row rows[] = {
        {"first value names the program", QByteArray("C:\\Programme\\msinfo32.exe\0", 26), std::nullopt, true,
         QStringLiteral("C:\\Programme\\msinfo32.exe"), false},
        {"first value wins over the second", QByteArray("C:\\a\\msinfo32.exe\0", 18), withProgram.path(), true,
         QStringLiteral("C:\\a\\msinfo32.exe"), false},
        {"second value names a folder holding the program", std::nullopt, withProgram.path(), true, programInFolder,
         false},
        {"second value names a folder without the program", std::nullopt, withoutProgram.path(), true, QString(),
         true},
        {"second value names a folder where the program's name is a folder", std::nullopt,
         withFolderOfThatName.path(), true, QString(), true},
        {"second value is empty", std::nullopt, QString(), true, QString(), true},
        {"neither value is there", std::nullopt, std::nullopt, true, QString(), true},
        {"first value is empty", QByteArray(1, '\0'), withProgram.path(), true, QString(), true},
        {"first value has size 0", QByteArray(), withProgram.path(), true, QString(), true},
        {"the program does not start", QByteArray("C:\\Programme\\msinfo32.exe\0", 26), std::nullopt, false,
         QStringLiteral("C:\\Programme\\msinfo32.exe"), true},
        {"the program in the folder does not start", std::nullopt, withProgram.path(), false, programInFolder, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        recorder.startProgramResult = row.startSucceeds;
        if (row.first)
            recorder.fakeRegistry.setValue(RegistryRoot::LocalMachine, SysInfoKey, QStringLiteral("PATH"), 1u,
                                           *row.first);
        if (row.second)
            recorder.fakeRegistry.setText(RegistryRoot::LocalMachine, FolderKey, QStringLiteral("MSINFO"), *row.second);

        frmAbout::StartSysInfo();

        if (row.started.isEmpty())
            EXPECT_TRUE(recorder.startedPrograms.isEmpty());
        else
            EXPECT_EQ(recorder.startedPrograms, QList<QStringList>{QStringList{row.started}});
        ASSERT_EQ(recorder.messages.size(), row.unavailable ? 1 : 0);
        if (row.unavailable) {
            EXPECT_EQ(recorder.messages[0].text, Unavailable);
            EXPECT_EQ(recorder.messages[0].buttons, platform::MessageButtons::Ok);
            EXPECT_TRUE(recorder.messages[0].title.isEmpty());
        }
        EXPECT_EQ(recorder.fakeRegistry.closed, recorder.fakeRegistry.opened);
    }
}
