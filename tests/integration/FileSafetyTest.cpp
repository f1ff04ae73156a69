// What no dialog or load may hang on, and which files no refusal or failure may cost.
#include "support/RecordingServices.h"
#include "support/WaveBytes.h"

#include "common/ModFiles.h"
#include "common/ModWave.h"
#include "common/TonePath.h"
#include "demos/frame/SettingsFile.h"
#include "platform/FileChecks.h"
#include "platform/FileError.h"
#include "platform/FileWriting.h"
#include "platform/MMControl.h"
#include "platform/TempFiles.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {
// Set, closing any file below this folder fails after the file is closed, as on a file system
// that tells of a lost write only then.
std::atomic<const char *> g_closeFailsBelow{nullptr};
} // namespace

extern "C" int close(int fd)
{
    const char *below = g_closeFailsBelow.load();
    // also runs in a child that QProcess starts on a small stack of its own
    if (!below)
        return int(::syscall(SYS_close, fd));
    char name[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    (void)!::readlink(link.c_str(), name, sizeof name - 1);
    const int result = int(::syscall(SYS_close, fd));
    if (result == 0 && std::strncmp(name, below, std::strlen(below)) == 0) {
        errno = EIO;
        return -1;
    }
    return result;
}

namespace {

// generous for a loaded machine; a hang is forever
constexpr int HangSeconds = 60;
constexpr uid_t Nobody = 65534;

// A hung GUI thread cannot fail its test, so a watchdog ends the whole run, naming the row.
void withinBound(const char *row, const std::function<void()> &act)
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!finished.wait_for(lock, std::chrono::seconds(HangSeconds), [&] { return done; })) {
            std::fprintf(stderr, "\"%s\" hängt seit %d s\n", row, HangSeconds);
            std::fflush(stderr);
            std::_Exit(1);
        }
    });
    act();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
}

demos::DemoDescription sixByteRecord()
{
    demos::DemoDescription demo;
    demo.settingsAccess = demos::SettingsAccess::Random;
    demo.recordLength = 6;
    return demo;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || native.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(native.begin(), native.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// Opens the real save dialog on `directory`, types `typed` into its name box as a user would,
// waits until the dialog has listed `listed`, then cancels. Returns whether it was listed.
bool typeIntoRealDialog(const QString &directory, const QString &typed, const QString &listed)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *model = dialog->findChild<QFileSystemModel *>();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            QTest::keyClicks(name, typed);
        seen = model && QTest::qWaitFor([&] { return model->index(listed).isValid(); }, 20000);
        dialog->reject();
    });
    platform::FileDialogRequest request;
    request.mode = platform::FileDialogRequest::Mode::Save;
    request.directory = directory;
    request.filters = QStringList{QStringLiteral("Alle Dateien (*.*)")};
    EXPECT_EQ(platform::services().fileDialog(request), QString());
    return seen;
}

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // the unprivileged user of some rows must reach the folders
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }
    void TearDown() override
    {
        for (const QString &mount : mounts)
            ::umount2(QFile::encodeName(mount).constData(), MNT_DETACH);
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    // A file system of `kilobytes` on a new folder; "" when this process may not mount.
    QString smallDisk(const QString &name, int kilobytes)
    {
        const QString folder = path(name);
        QDir().mkpath(folder);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
            return QString();
        mounts.append(folder);
        return folder;
    }

    QTemporaryDir dir;
    QStringList mounts;
};

// Runs `act` in a child as an unprivileged user; its exit code, or -1 when there is no such user.
int asNobody(const std::function<int()> &act)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            _exit(255);
        _exit(act());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST_F(FileSafety, NoDialogOrLoadWaitsForAFileThatNeverAnswers)
{
    const QString fifo = path(QStringLiteral("klang.set"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString socket = path(QStringLiteral("sock.set"));
    ASSERT_TRUE(makeSocket(socket));
    const QString dangling = path(QStringLiteral("weg.set"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("gibtsnicht.set")), dangling));
    const auto refusedLoad = [](const QString &file) {
        return [file] { EXPECT_THROW(demos::readSettingsFile(file, sixByteRecord()), platform::FileError); };
    };
    struct Row {
        const char *name;
        std::function<void()> act;
    };
    const Row rows[] = {
        {"a FIFO chosen as settings file", refusedLoad(fifo)},
        {"settings saved onto a FIFO",
         [&] { EXPECT_THROW(demos::writeSettingsFile(fifo, sixByteRecord(), "123456"), platform::FileError); }},
        {"a socket chosen as settings file", refusedLoad(socket)},
        {"a folder chosen as settings file", refusedLoad(dir.path())},
        {"a link to nothing chosen as settings file", refusedLoad(dangling)},
        // a regular file whose first byte no one can read
        {"an unreadable file chosen as settings file", refusedLoad(QStringLiteral("/proc/self/mem"))},
        {"a folder with a FIFO listed in the save dialog",
         [&] { EXPECT_TRUE(typeIntoRealDialog(dir.path(), QStringLiteral("k"), fifo)); }},
        {"\"/proc/\" typed into the save dialog's name box",
         [&] {
             if (QFileInfo(QStringLiteral("/proc/self")).exists()) {
                 EXPECT_TRUE(typeIntoRealDialog(dir.path(), QStringLiteral("/proc/"), QStringLiteral("/proc/self")));
             }
         }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        withinBound(row.name, row.act);
    }
}

TEST_F(FileSafety, TheDialogTellsTypesByNameWithoutReadingAFile)
{
    // a picture's content under a name that says nothing, as in /proc: only reading it could
    // say "PNG"
    writeFile(path(QStringLiteral("bild")), hex("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D 49 48 44 52"));
    QString type;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *model = dialog ? dialog->findChild<QFileSystemModel *>() : nullptr;
        if (model) {
            (void)QTest::qWaitFor([&] {
                type = model->type(model->index(path(QStringLiteral("bild"))));
                return !type.isEmpty();
            }, 20000);
        }
        if (dialog)
            dialog->reject();
    });
    ModFiles::ShowOpenDialog(QString(), dir.path(), QString());
    EXPECT_FALSE(type.isEmpty());
    EXPECT_FALSE(type.contains(QStringLiteral("PNG"), Qt::CaseInsensitive)) << type.toStdString();
}

TEST_F(FileSafety, NoRefusalOrFailureCostsAFile)
{
    const QByteArray precious = QByteArray("Wertvoller Text, der bleiben muss.\n").repeated(100);
    RecordingServices recorder;
    const platform::ScopedServices scope(recorder);
    const QString cacheHome = path(QStringLiteral("cache"));
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
    const QString cacheFolder = cacheHome + QStringLiteral("/velmora");
    const QString planted = cacheFolder + QStringLiteral("/dummy.wav");

    WaveFormat format;
    FillStandardFormat(format);
    const auto toneIn = [&](TonePath::File file) {
        platform::MMControl control(QStringLiteral("MMControl1"));
        return TonePath::play(control, {ModPlay::SoundThenClose, TonePath::Pointer::Untouched, file},
                              TonePath::toneFile(format, 88200, [](SampleChunks &chunks) {
                                  chunks[0] = QByteArray(176400, '\x11');
                              }));
    };
    const auto keptTone = [&] { return toneIn(TonePath::File::KeptPerUser); };
    QString refusal;  // the last write's message
    const auto written = [&](const std::function<void()> &write) {
        try {
            write();
            return true;
        } catch (const platform::FileError &error) {
            refusal = error.message();
            return false;
        }
    };
    const QByteArray exported = ModWave::WaveHeader(format, 4) + QByteArray(8, 'w');
    const auto exportTo = [&](const QString &file) {
        return written([&] { ModWave::WriteWaveFile(file, format, SampleChunks{{QByteArray(8, 'w')}}, 4); });
    };
    const auto nothingLeftBeside = [&](const QString &folder) {
        const QStringList left =
            QDir(folder).entryList({QStringLiteral(".velmora-*")}, QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral(", ")).toStdString();
    };
    // a folder as the system's shared temporary one, with a link in it to `target`
    const QString shared = path(QStringLiteral("geteilt"));
    const auto plantShared = [&](const QString &name, const QString &target, uid_t linkOwner, uid_t folderOwner) {
        const QString link = shared + QLatin1Char('/') + name;
        QDir().mkpath(shared);
        QFile::remove(link);
        const QByteArray folder = QFile::encodeName(shared);
        return ::chown(folder.constData(), folderOwner, 0) == 0 && ::chmod(folder.constData(), 01777) == 0
            && QFile::link(target, link) && ::lchown(QFile::encodeName(link).constData(), linkOwner, 0) == 0;
    };
    // "export.wav", writable to all, in a folder that takes no new file, on a disk of 64 KiB that a
    // filler fills up; "" where no disk can be mounted
    const auto oldFileOnClosedDisk = [&](const QString &name, const QByteArray &old, qsizetype filler) {
        const QString disk = smallDisk(name, 64);
        const QString file = disk + QStringLiteral("/export.wav");
        if (disk.isEmpty())
            return QString();
        writeFile(file, old);
        writeFile(disk + QStringLiteral("/fueller"), QByteArray(filler, 'f'));
        const bool closed = ::chmod(QFile::encodeName(file).constData(), 0666) == 0
            && ::chmod(QFile::encodeName(disk).constData(), 0555) == 0;
        return closed ? file : QString();
    };
    const QString longName = path(QString(246, QLatin1Char('n')) + QStringLiteral(".wav"));
    const auto plantLink = [&](mode_t mode, uid_t owner) {
        QDir().mkpath(cacheFolder);
        QFile::link(path(QStringLiteral("precious.txt")), planted);
        return ::chmod(QFile::encodeName(cacheFolder).constData(), mode) == 0
            && ::lchown(QFile::encodeName(cacheFolder).constData(), owner, 0) == 0;
    };
    const QString controlhost = QStringLiteral(VELMORA_CONTROLHOST);
    const QString tavoni = QStringLiteral(VELMORA_TAVONI);
    const auto host = [&](const QStringList &arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_CLASS_STORE"), path(QStringLiteral("precious.txt")));
        process.setProcessEnvironment(environment);
        process.start(controlhost, arguments);
        process.waitForFinished(60000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };

    enum class Outcome { Refused, Done, CannotArrange };
    struct Row {
        const char *name;
        std::function<bool()> arrange;  // false: this machine cannot set the case up
        std::function<bool()> act;      // true when the action reports success
        Outcome outcome;
        std::function<void()> check;  // more to see afterwards
    };
    const Row rows[] = {
        {"a tone kept in a cache folder of another user, with a planted link", [&] { return plantLink(0700, Nobody); },
         keptTone, Outcome::Refused,
         [&] {
             ASSERT_FALSE(recorder.messages.isEmpty());
             EXPECT_TRUE(recorder.messages.last().text.startsWith(
                 QStringLiteral("Der Ordner „%1“").arg(QDir::toNativeSeparators(cacheFolder))))
                 << recorder.messages.last().text.toStdString();
         }},
        {"a tone kept in a cache folder open to others, with a planted link",
         [&] { return plantLink(0777, ::geteuid()); }, keptTone, Outcome::Refused, nullptr},
        {"a tone kept in the user's own closed cache folder, with an old link",
         [&] { return plantLink(0700, ::geteuid()); }, keptTone, Outcome::Done,
         [&] {
             EXPECT_FALSE(QFileInfo(planted).isSymLink());
             EXPECT_EQ(readFile(planted).size(), 44 + 176400);
         }},
        {"an export through a link another user planted in a shared folder",
         [&] { return plantShared(QStringLiteral("klang.wav"), path(QStringLiteral("precious.txt")), Nobody, ::geteuid()); },
         [&] { return exportTo(shared + QStringLiteral("/klang.wav")); }, Outcome::Refused,
         [&] {
             EXPECT_TRUE(refusal.contains(QStringLiteral("„%1/klang.wav“ ist eine Verknüpfung").arg(shared)))
                 << refusal.toStdString();
         }},
        {"settings saved through a dangling link another user planted, chosen in the dialog",
         [&] {
             recorder.dialogAnswers = {shared + QStringLiteral("/einst.set")};
             return plantShared(QStringLiteral("einst.set"), path(QStringLiteral("anderswo.set")), Nobody, ::geteuid());
         },
         [&] {
             const QString chosen = ModFiles::ShowSaveDialog(QStringLiteral("Set"), QString(), QString());
             return !chosen.isEmpty() && written([&] { demos::writeSettingsFile(chosen, sixByteRecord(), "123456"); });
         },
         Outcome::Refused,
         [&] {
             EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("anderswo.set"))));
             ASSERT_EQ(recorder.messages.size(), 1);
             EXPECT_EQ(recorder.messages[0].buttons, platform::MessageButtons::Ok) << "refused, not asked";
             EXPECT_TRUE(recorder.messages[0].text.contains(shared + QStringLiteral("/einst.set“ ist eine Verknüpfung")))
                 << recorder.messages[0].text.toStdString();
         }},
        {"an export through a link the shared folder's owner placed",
         [&] { return plantShared(QStringLiteral("ziel.wav"), path(QStringLiteral("ziel.wav")), Nobody, Nobody); },
         [&] { return exportTo(shared + QStringLiteral("/ziel.wav")); }, Outcome::Done,
         [&] { EXPECT_EQ(readFile(path(QStringLiteral("ziel.wav"))), exported); }},
        {"an export over a file with a 250-character name",
         [&] {
             writeFile(longName, "alt");
             return true;
         },
         [&] { return exportTo(longName); }, Outcome::Done,
         [&] {
             EXPECT_EQ(readFile(longName), exported);
             nothingLeftBeside(dir.path());
         }},
        {"a tone after the private temporary folder was removed",
         [&] {
             recorder.playedFiles.clear();
             return toneIn(TonePath::File::PrivateTemporary)
                 && QDir(QFileInfo(platform::soundFilePath()).path()).removeRecursively();
         },
         [&] { return toneIn(TonePath::File::PrivateTemporary); }, Outcome::Done,
         [&] {
             EXPECT_TRUE(recorder.messages.isEmpty());
             ASSERT_EQ(recorder.playedFiles.size(), 2);
             EXPECT_EQ(recorder.playedFiles[1].size(), 44 + 176400);
             const QString folder = QFileInfo(platform::soundFilePath()).path();
             struct stat made {};
             ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &made), 0);
             EXPECT_EQ(made.st_mode & 0777, 0700u);
             platform::removeTemporaryFolder();
             EXPECT_FALSE(QFileInfo::exists(folder)) << "removed at the end";
         }},
        {"an export over an old file that fails only once it is closed", [] { return true; },
         [&] {
             const QByteArray below = QFile::encodeName(QFileInfo(dir.path()).canonicalFilePath());
             g_closeFailsBelow = below.constData();
             const bool done = exportTo(path(QStringLiteral("precious.txt")));
             g_closeFailsBelow = nullptr;
             return done;
         },
         Outcome::Refused,
         [&] {
             EXPECT_FALSE(refusal.isEmpty());
             nothingLeftBeside(dir.path());
         }},
        {"an export over a larger file in a closed folder on a nearly full disk",
         [&] { return !oldFileOnClosedDisk(QStringLiteral("knapp"), QByteArray(32 * 1024, 'o'), 24 * 1024).isEmpty(); },
         [&] {
             // more than is free, but no more than the old file gives back
             return asNobody([&] {
                 return written([&] {
                     ModWave::WriteWaveFile(path(QStringLiteral("knapp/export.wav")), format,
                                            SampleChunks{{QByteArray(20000, 'n')}}, 10000);
                 }) ? 0 : 1;
             }) == 0;
         },
         Outcome::Done, [&] { EXPECT_EQ(readFile(path(QStringLiteral("knapp/export.wav"))).size(), 44 + 20000); }},
        {"an export over a file in a closed folder on a full disk",
         [&] {
             const QString file = oldFileOnClosedDisk(QStringLiteral("voll"), precious, 60 * 1024 - 2 * precious.size());
             QFile::remove(path(QStringLiteral("precious.txt")));
             // the bytes to keep live on the full disk; precious.txt names them
             return !file.isEmpty() && QFile::link(file, path(QStringLiteral("precious.txt")));
         },
         [&] {
             const QString target = path(QStringLiteral("voll/export.wav"));
             const int code = asNobody([&] {
                 try {
                     ModWave::WriteWaveFile(target, format, SampleChunks{{QByteArray(882000, 'n')}}, 441000);
                     return 0;
                 } catch (const platform::FileError &error) {
                     return error.reason() == platform::diskFullReason() ? 1 : 2;
                 }
             });
             EXPECT_EQ(code, 1) << "refused as a full disk";
             return code == 0;
         },
         Outcome::Refused, nullptr},
        {"random bytes in the class store, registering",
         [&] {
             QByteArray noise(4096, '\0');
             for (int i = 0; i < noise.size(); ++i)
                 noise[i] = char((i * 7919 + 13) % 251);
             writeFile(path(QStringLiteral("precious.txt")), noise);
             return true;
         },
         [&] { return host({QStringLiteral("--register"), tavoni}) == 0; }, Outcome::Refused, nullptr},
        {"garbage after a registered class, unregistering",
         [&] {
             QFile::remove(path(QStringLiteral("precious.txt")));
             if (host({QStringLiteral("--register"), tavoni}) != 0)
                 return false;
             QFile store(path(QStringLiteral("precious.txt")));
             return store.open(QIODevice::Append) && store.write("\n[kaputt\n\xff\xfe=\x01\n") > 0;
         },
         [&] { return host({QStringLiteral("--unregister"), tavoni}) == 0; }, Outcome::Refused,
         [&] {
             EXPECT_TRUE(readFile(path(QStringLiteral("precious.txt"))).contains(QFile::encodeName(tavoni)))
                 << "Tavoni's keys stay";
         }},
    };
    QStringList notArranged;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QDir(cacheHome).removeRecursively();
        QFile::remove(path(QStringLiteral("precious.txt")));
        writeFile(path(QStringLiteral("precious.txt")), precious);
        recorder.messages.clear();
        if (!row.arrange()) {
            notArranged.append(QString::fromLatin1(row.name));
            continue;
        }
        const QByteArray before = readFile(path(QStringLiteral("precious.txt")));
        const bool succeeded = row.act();
        EXPECT_EQ(succeeded, row.outcome == Outcome::Done);
        EXPECT_EQ(readFile(path(QStringLiteral("precious.txt"))), before) << "the file to keep changed";
        if (row.check)
            row.check();
    }
    qputenv("XDG_CACHE_HOME", oldCache);
    if (!notArranged.isEmpty()) {
        GTEST_SKIP() << "not set up here (mounting or changing owners needs root): "
                     << notArranged.join(QStringLiteral("; ")).toStdString();
    }
}

TEST_F(FileSafety, ADanglingLinkIsTheFileItNamesForSettingsAndExportAlike)
{
    RecordingServices recorder;
    const platform::ScopedServices scope(recorder);
    WaveFormat format;
    FillStandardFormat(format);
    struct Row {
        const char *name;
        QString kind;
        QString link;
        std::function<void(const QString &)> write;
        qsizetype size;
    };
    const Row rows[] = {
        {"settings saved onto a link to nothing", QStringLiteral("Set"), QStringLiteral("einst.set"),
         [](const QString &file) { demos::writeSettingsFile(file, sixByteRecord(), "123456"); }, 6},
        {"an export onto a link to nothing", QStringLiteral("Wave"), QStringLiteral("klang.wav"),
         [&](const QString &file) { ModWave::WriteWaveFile(file, format, SampleChunks{{QByteArray(8, 'w')}}, 4); },
         52},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString link = path(row.link);
        const QString target = path(QStringLiteral("neu-") + row.link);
        ASSERT_TRUE(QFile::link(target, link));
        recorder.messages.clear();
        recorder.dialogAnswers = {link};
        const QString chosen = ModFiles::ShowSaveDialog(row.kind, dir.path(), QString());
        EXPECT_EQ(chosen, link);
        EXPECT_TRUE(recorder.messages.isEmpty()) << "nothing there to replace, so nothing to ask";
        ASSERT_NO_THROW(row.write(chosen));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(readFile(target).size(), row.size);
    }
}

TEST_F(FileSafety, ASaveOnAFullDiskCostsNoFileAndSaysWhy)
{
    const QString disk = smallDisk(QStringLiteral("voll"), 16);
    if (disk.isEmpty()) {
        GTEST_SKIP() << "no small file system to fill here (mounting needs root)";
    }
    const QByteArray oldSettings = "0123456789";
    writeFile(disk + QStringLiteral("/alt.set"), oldSettings);
    QFile filler(disk + QStringLiteral("/fueller"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    filler.close();
    const qint64 full = QFileInfo(filler.fileName()).size();
    WaveFormat format;
    FillStandardFormat(format);
    demos::DemoDescription textRecord;
    textRecord.recordLength = 0;
    struct Row {
        const char *name;
        QString file;
        QByteArray existing;  // what the file held before; empty: there was none
        qint64 free;  // bytes left: with some, the write stops short before it fails
        std::function<void(const QString &)> write;
    };
    const Row rows[] = {
        {"settings", disk + QStringLiteral("/einst.set"), QByteArray(), 0,
         [](const QString &file) { demos::writeSettingsFile(file, sixByteRecord(), "123456"); }},
        // the record needs a block more than the old file has
        {"settings longer than the file they replace", disk + QStringLiteral("/alt.set"), oldSettings, 0,
         [&](const QString &file) { demos::writeSettingsFile(file, textRecord, QByteArray(5000, 's')); }},
        {"an export", disk + QStringLiteral("/klang.wav"), QByteArray(), 0,
         [&](const QString &file) { ModWave::WriteWaveFile(file, format, SampleChunks{{QByteArray(8000, 'w')}}, 4000); }},
        {"an export that stops short", disk + QStringLiteral("/kurz.wav"), QByteArray(), 4096,
         [&](const QString &file) { ModWave::WriteWaveFile(file, format, SampleChunks{{QByteArray(8000, 'w')}}, 4000); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(QFile::resize(filler.fileName(), full - row.free));
        try {
            row.write(row.file);
            ADD_FAILURE() << "written onto a full disk";
        } catch (const platform::FileError &error) {
            // in the user's words, also where the write only stopped short and the system said nothing
            EXPECT_EQ(error.reason(), QStringLiteral("Der Datenträger ist voll: für die neue Datei ist nicht genug Platz frei."));
        }
        if (row.existing.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(row.file)) << "a new file left behind";
        } else {
            EXPECT_EQ(readFile(row.file), row.existing) << "the old file changed";
        }
        const QStringList left =
            QDir(disk).entryList({QStringLiteral(".velmora-*")}, QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_TRUE(left.isEmpty()) << left.join(QStringLiteral(", ")).toStdString();
    }
}

namespace {

// Types `typed` into the next real file dialog and accepts it.
void chooseInRealDialog(const QString &typed)
{
    QTimer::singleShot(0, [typed] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *name = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name)
            return;
        name->setText(typed);
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

// Run again as a process of its own, whose configuration folders nothing has read yet.
TEST_F(FileSafety, ASaveAndAnExportKeepNothingInTheConfigurationFolders)
{
    const char *childVariable = "VELMORA_SAVES_INTO";
    if (const QString folder = qEnvironmentVariable(childVariable); !folder.isEmpty()) {
        chooseInRealDialog(QStringLiteral("einst"));
        const QString settings = ModFiles::ShowSaveDialog(QStringLiteral("Set"), folder, QString());
        ASSERT_FALSE(settings.isEmpty());
        demos::writeSettingsFile(settings, sixByteRecord(), "123456");
        chooseInRealDialog(QStringLiteral("klang"));
        const QString sound = ModFiles::ShowSaveDialog(QStringLiteral("Wave"), folder, QString());
        ASSERT_FALSE(sound.isEmpty());
        WaveFormat format;
        FillStandardFormat(format);
        ModWave::WriteWaveFile(sound, format, SampleChunks{{QByteArray(8, 'w')}}, 4);
        return;
    }
    const QString home = path(QStringLiteral("home"));
    const QString config = path(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(config));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QString::fromLatin1(childVariable), dir.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(QString::fromLatin1(test->test_suite_name()),
                                                            QString::fromLatin1(test->name()))});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    EXPECT_EQ(readFile(path(QStringLiteral("einst.set"))), "123456");
    EXPECT_EQ(readFile(path(QStringLiteral("klang.wav"))).size(), 52);
    QStringList kept;
    for (const QString &folder : {config, home + QStringLiteral("/.config")}) {
        QDirIterator found(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (found.hasNext())
            kept.append(found.next());
    }
    EXPECT_TRUE(kept.isEmpty()) << kept.join(QStringLiteral(", ")).toStdString();
}

TEST_F(FileSafety, TheControlHostAnswersInGermanNamingThePathGiven)
{
    const QString tavoni = QStringLiteral(VELMORA_TAVONI);
    writeFile(path(QStringLiteral("Text.so")), "kein ELF");
    writeFile(path(QStringLiteral("datei")), "");
    struct Row {
        const char *name;
        QString store;
        QStringList arguments;
        int exitCode;
        QString said;  // on the error stream for a failure, else on the output
    };
    const QString store = path(QStringLiteral("Classes.ini"));
    const QString missing = path(QStringLiteral("Fehlt.so"));
    const Row rows[] = {
        {"a library that is not there", store, {QStringLiteral("--register"), missing}, 1,
         QStringLiteral("Die Bibliothek „%1“ gibt es nicht.").arg(missing)},
        {"a file that is no library", store, {QStringLiteral("--register"), path(QStringLiteral("Text.so"))}, 1,
         QStringLiteral("Die Bibliothek „%1“ lässt sich nicht laden").arg(path(QStringLiteral("Text.so")))},
        {"a store that cannot be written", path(QStringLiteral("datei/Classes.ini")),
         {QStringLiteral("--register"), tavoni}, 1, QStringLiteral("Die Klassenablage „%1“").arg(path(QStringLiteral("datei/Classes.ini")))},
        {"registered", store, {QStringLiteral("--register"), tavoni}, 0,
         QStringLiteral("Die Bibliothek „%1“ ist registriert.").arg(tavoni)},
        {"unregistered", store, {QStringLiteral("--unregister"), tavoni}, 0,
         QStringLiteral("Die Bibliothek „%1“ ist abgemeldet.").arg(tavoni)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_CLASS_STORE"), row.store);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELMORA_CONTROLHOST), row.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), row.exitCode);
        const QString said = QString::fromUtf8(row.exitCode ? process.readAllStandardError() : process.readAllStandardOutput());
        EXPECT_TRUE(said.contains(row.said)) << said.toStdString();
        EXPECT_FALSE(said.contains(QStringLiteral("Cannot"))) << "in German";
    }
}
