#include "platform/FileError.h"
#include "platform/TempFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(TempFiles, SoundFileLivesInAPrivateFolderNotTheCurrentOne)
{
    const QString path = platform::soundFilePath();
    const QFileInfo info(path);
    EXPECT_EQ(info.fileName(), QStringLiteral("dummy.wav"));
    EXPECT_NE(info.absolutePath(), QDir::currentPath());
    EXPECT_TRUE(QFileInfo(info.absolutePath()).isDir());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(info.absolutePath()).permissions() & others, QFile::Permissions());
    // one folder for the whole run
    EXPECT_EQ(platform::temporaryFilePath(QStringLiteral("other.wav")), info.absolutePath() + QStringLiteral("/other.wav"));
}

namespace {

// Sets an environment variable for as long as it lives, and starts a new temporary folder.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_was(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
        platform::removeTemporaryFolder();
    }
    ~ScopedVariable()
    {
        if (m_was)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
        platform::removeTemporaryFolder();
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_was;
};

QString folderOf(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

// A folder of the test's own, with a regular file where a folder might be expected.
class TempFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(own.isValid());
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    }
    QTemporaryDir own;
    QFile plain{own.filePath(QStringLiteral("datei"))};
};

} // namespace

TEST_F(TempFolders, AnUnusableTmpdirFallsBackToTheSystemsTemporaryFolder)
{
    struct Row {
        const char *name;
        QString tmpdir;
        QString expectedParent;
    };
    const Row rows[] = {
        {"a folder that exists", own.path(), own.path()},
        {"a folder that does not exist", own.filePath(QStringLiteral("fehlt")), QStringLiteral("/tmp")},
        {"a regular file", plain.fileName(), QStringLiteral("/tmp")},
        {"a folder below a regular file", plain.fileName() + QStringLiteral("/unter"), QStringLiteral("/tmp")},
        {"empty", QString(), QStringLiteral("/tmp")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedVariable tmpdir("TMPDIR", QFile::encodeName(row.tmpdir));
        const QString folder = folderOf(platform::soundFilePath());
        EXPECT_EQ(folderOf(folder), row.expectedParent);
        EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(QStringLiteral("velmora-")));
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
}

TEST(TempFiles, WithNoWritableTemporaryFolderTheMessageNamesTheFolder)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        // a private view of the file system, in which /tmp takes nothing
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", "/tmp", "tmpfs", MS_RDONLY, "size=16k") != 0)
            _exit(2);
        qputenv("TMPDIR", "/gibt/es/nicht");
        platform::removeTemporaryFolder();
        QByteArray report = "kein Fehler";
        try {
            platform::soundFilePath();
        } catch (const platform::FileError &error) {
            report = (error.isFolder() ? "folder:" : "file:") + error.message().toUtf8();
        }
        (void)!write(pipeEnds[1], report.constData(), size_t(report.size()));
        _exit(0);
    }
    close(pipeEnds[1]);
    QByteArray report;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, got);
    close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) {
        GTEST_SKIP() << "no mount namespace of its own here (needs root), so /tmp cannot be closed";
    }
    const QString text = QString::fromUtf8(report);
    EXPECT_TRUE(text.startsWith(QStringLiteral("folder:Der Ordner „/tmp“"))) << report.toStdString();
}

TEST_F(TempFolders, AnUnusableCacheFolderIsNamedAsAFolderWithItsReason)
{
    ASSERT_TRUE(QDir().mkpath(own.filePath(QStringLiteral("offen/velmora"))));
    ASSERT_TRUE(QFile::setPermissions(own.filePath(QStringLiteral("offen/velmora")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther));
    ASSERT_TRUE(QDir().mkpath(own.filePath(QStringLiteral("ziel"))));
    ASSERT_TRUE(QDir().mkpath(own.filePath(QStringLiteral("verknuepft"))));
    ASSERT_TRUE(QFile::link(own.filePath(QStringLiteral("ziel")), own.filePath(QStringLiteral("verknuepft/velmora"))));
    ASSERT_TRUE(QDir().mkpath(own.filePath(QStringLiteral("belegt"))));
    QFile occupied(own.filePath(QStringLiteral("belegt/velmora")));
    ASSERT_TRUE(occupied.open(QIODevice::WriteOnly));
    struct Row {
        const char *name;
        QString cacheHome;
        QString reason;
    };
    const Row rows[] = {
        {"cannot be made", plain.fileName(), QStringLiteral("Er konnte nicht angelegt werden")},
        {"open to others", own.filePath(QStringLiteral("offen")), QStringLiteral("Andere Benutzer haben Zugriff")},
        {"a link elsewhere", own.filePath(QStringLiteral("verknuepft")), QStringLiteral("Verknüpfung")},
        {"a file in its place", own.filePath(QStringLiteral("belegt")), QStringLiteral("Datei")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedVariable cache("XDG_CACHE_HOME", QFile::encodeName(row.cacheHome));
        try {
            platform::keptSoundFilePath();
            ADD_FAILURE() << "not refused";
        } catch (const platform::FileError &error) {
            EXPECT_TRUE(error.isFolder());
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Der Ordner „%1/velmora“").arg(row.cacheHome)))
                << error.message().toStdString();
            EXPECT_TRUE(error.reason().contains(row.reason)) << error.reason().toStdString();
            EXPECT_FALSE(error.reason().contains(QStringLiteral("Unbekannter Fehler")));
        }
    }
}
