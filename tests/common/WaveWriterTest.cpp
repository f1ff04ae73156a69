#include "common/ModMemCopy.h"
#include "common/ModWave.h"
#include "platform/FileError.h"
#include "support/WaveBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

WaveFormat standardFormat()
{
    WaveFormat format;
    FillStandardFormat(format);
    return format;
}

SampleChunks chunksOf(std::initializer_list<int> sizes, char fill = 'x')
{
    SampleChunks chunks;
    int k = 0;
    for (int size : sizes) {
        chunks[std::size_t(k)] = QByteArray(size, char(fill + k));
        ++k;
    }
    return chunks;
}

enum class ChildOutcome { Written, FileError, OtherError, NoUnprivilegedUser };

// A file size limit or a change of user has to stay out of the test process.
ChildOutcome writeInChild(const QString &target, const SampleChunks &chunks, std::int32_t count, rlim_t sizeLimit,
                          bool unprivileged)
{
    const pid_t pid = fork();
    if (pid == 0) {
        constexpr uid_t Nobody = 65534;
        if (unprivileged && geteuid() == 0
            && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0
                || access(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), X_OK) != 0))
            _exit(int(ChildOutcome::NoUnprivilegedUser));
        if (sizeLimit != 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{sizeLimit, sizeLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(int(ChildOutcome::OtherError));
        }
        try {
            ModWave::WriteWaveFile(target, standardFormat(), chunks, count);
            _exit(int(ChildOutcome::Written));
        } catch (const platform::FileError &) {
            _exit(int(ChildOutcome::FileError));
        } catch (...) {
            _exit(int(ChildOutcome::OtherError));
        }
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return ChildOutcome::OtherError;
    return ChildOutcome(WEXITSTATUS(status));
}

class WaveWriter : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

} // namespace

TEST(MemCopy, LittleEndianTwosComplement)
{
    EXPECT_EQ(ModMemCopy::IntToBytes(1), hex("01 00"));
    EXPECT_EQ(ModMemCopy::IntToBytes(-2), hex("FE FF"));
    EXPECT_EQ(ModMemCopy::IntToBytes(500), hex("F4 01"));
    EXPECT_EQ(ModMemCopy::LongToBytes(88236), hex("AC 58 01 00"));
    EXPECT_EQ(ModMemCopy::LongToBytes(-1), hex("FF FF FF FF"));
}

TEST_F(WaveWriter, StandardHeaderFieldsAreExact)
{
    ModWave::WriteWaveFile(path("a.wav"), standardFormat(), SampleChunks{}, 0);
    const QByteArray file = readFile(path("a.wav"));
    ASSERT_EQ(file.size(), 44);
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(file.mid(4, 4), hex("24 00 00 00"));
    EXPECT_EQ(file.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(file.mid(16, 4), hex("10 00 00 00"));
    EXPECT_EQ(file.mid(20, 16), hex("01 00 02 00 44 AC 00 00 10 B1 02 00 04 00 10 00"));
    EXPECT_EQ(file.mid(36, 8), QByteArray("data") + hex("00 00 00 00"));
}

TEST_F(WaveWriter, DeclaredSizeFollowsTheCountNotTheChunks)
{
    struct Row {
        const char *name;
        std::int32_t count;
        std::initializer_list<int> chunkSizes;
        QByteArray riff;
        QByteArray data;
        qsizetype fileSize;
    };
    const Row rows[] = {
        {"half a second declared, nothing present", 44100, {}, hex("AC 58 01 00"), hex("88 58 01 00"), 44},
        {"more bytes than declared are all written", 44100, {60000, 60000, 60000, 60000, 60000, 52800},
         hex("AC 58 01 00"), hex("88 58 01 00"), 44 + 352800},
        {"fewer bytes than declared", 88200, {1000}, hex("34 B1 02 00"), hex("10 B1 02 00"), 44 + 1000},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ModWave::WriteWaveFile(path("b.wav"), standardFormat(), chunksOf(row.chunkSizes), row.count);
        const QByteArray file = readFile(path("b.wav"));
        EXPECT_EQ(file.mid(4, 4), row.riff);
        EXPECT_EQ(file.mid(40, 4), row.data);
        EXPECT_EQ(file.size(), row.fileSize);
    }
}

TEST_F(WaveWriter, ChunksFollowTheHeaderBackToBack)
{
    SampleChunks chunks = chunksOf({60000, 60000, 60000, 60000, 60000, 60000});
    chunks[0][0] = 'A';
    chunks[1][0] = 'B';
    chunks[5][59999] = 'Z';
    ModWave::WriteWaveFile(path("c.wav"), standardFormat(), chunks, 180000);
    const QByteArray file = readFile(path("c.wav"));
    ASSERT_EQ(file.size(), 44 + 6 * 60000);
    EXPECT_EQ(file[44], 'A');
    EXPECT_EQ(file[60044], 'B');
    EXPECT_EQ(file[file.size() - 1], 'Z');
    EXPECT_EQ(file.mid(44), joined(chunks));
}

TEST_F(WaveWriter, EmptyElementsBetweenFullOnesAddNothing)
{
    SampleChunks chunks;
    chunks[0] = "ab";
    chunks[200] = "cd";
    ModWave::WriteWaveFile(path("d.wav"), standardFormat(), chunks, 2);
    EXPECT_EQ(readFile(path("d.wav")).mid(44), "abcd");
}

TEST_F(WaveWriter, RewritingReplacesTheWholeFile)
{
    ModWave::WriteWaveFile(path("e.wav"), standardFormat(), chunksOf({5000}), 2500);
    ModWave::WriteWaveFile(path("e.wav"), standardFormat(), chunksOf({8}), 4);
    const QByteArray file = readFile(path("e.wav"));
    EXPECT_EQ(file.size(), 52);
    EXPECT_EQ(file.mid(40, 4), hex("08 00 00 00"));
}

TEST_F(WaveWriter, RewritingKeepsAccessRightsAndLinksAndLeavesNothingBeside)
{
    ModWave::WriteWaveFile(path("r.wav"), standardFormat(), chunksOf({4}), 2);
    const auto rights = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path("r.wav"), rights));
    ASSERT_TRUE(QFile::link(path("r.wav"), path("link.wav")));

    ModWave::WriteWaveFile(path("r.wav"), standardFormat(), chunksOf({8}), 4);
    EXPECT_EQ(readFile(path("r.wav")).mid(44), "xxxxxxxx");
    // the "user" bits only repeat the owner's
    EXPECT_EQ(QFile::permissions(path("r.wav")) & ~QFile::Permissions(0x0700), rights);
    // through the link: the file it names is replaced, the link stays a link
    ModWave::WriteWaveFile(path("link.wav"), standardFormat(), chunksOf({2}), 1);
    EXPECT_EQ(readFile(path("r.wav")).mid(44), "xx");
    EXPECT_TRUE(QFileInfo(path("link.wav")).isSymLink());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"link.wav", "r.wav"}));
}

TEST_F(WaveWriter, FormatTagIsAlwaysPcmButOtherFieldsAreCopied)
{
    WaveFormat format = standardFormat();
    format.FormatTag = 3;
    format.Channels = 1;
    format.ByteRate = 12345;  // inconsistent on purpose: the writer derives nothing
    ModWave::WriteWaveFile(path("f.wav"), format, SampleChunks{}, 0);
    const QByteArray file = readFile(path("f.wav"));
    EXPECT_EQ(file.mid(20, 4), hex("01 00 01 00"));
    EXPECT_EQ(file.mid(28, 4), hex("39 30 00 00"));
}

TEST_F(WaveWriter, OverflowIsRefusedBeforeTheFileIsTouched)
{
    ModWave::WriteWaveFile(path("g.wav"), standardFormat(), chunksOf({4}), 2);
    const QByteArray before = readFile(path("g.wav"));
    for (std::int32_t count : {1073741806, 2147483647, -2147483647 - 1}) {
        SCOPED_TRACE(count);
        EXPECT_THROW(ModWave::WriteWaveFile(path("g.wav"), standardFormat(), SampleChunks{}, count),
                     ModWave::OverflowError);
        EXPECT_THROW(ModWave::WriteWaveFile(path("new.wav"), standardFormat(), SampleChunks{}, count),
                     ModWave::OverflowError);
    }
    EXPECT_EQ(readFile(path("g.wav")), before);
    EXPECT_FALSE(QFile::exists(path("new.wav")));
    // the largest count that fits still writes
    EXPECT_NO_THROW(ModWave::WriteWaveFile(path("h.wav"), standardFormat(), SampleChunks{}, 1073741805));
    EXPECT_EQ(readFile(path("h.wav")).mid(4, 4), hex("FE FF FF 7F"));
}

TEST_F(WaveWriter, UnwritablePathIsReportedAndLeavesNothing)
{
    {
        QFile plain(path("plain.txt"));
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.write("keep me");
    }
    ASSERT_TRUE(QDir().mkpath(path("folder.wav")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    struct Row {
        const char *name;
        QString target;
    };
    const Row rows[] = {
        {"missing folder", path("no/such/folder/x.wav")},
        {"a file where a folder should be", path("plain.txt/x.wav")},
        {"a folder of that name", path("folder.wav")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        try {
            ModWave::WriteWaveFile(row.target, standardFormat(), chunksOf({100}), 50);
            ADD_FAILURE() << "no error";
        } catch (const platform::FileError &error) {
            EXPECT_EQ(error.fileName(), row.target);
            EXPECT_TRUE(error.message().contains(QFileInfo(row.target).fileName()));
            EXPECT_FALSE(error.reason().isEmpty());
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(readFile(path("plain.txt")), "keep me");
    EXPECT_TRUE(QDir(path("folder.wav")).isEmpty());
}

TEST_F(WaveWriter, WhatAFailurePartwayOrAClosedFolderLeaves)
{
    const QByteArray old = QByteArray("RIFF old export ") + QByteArray(2000, 'o');
    const SampleChunks chunks = chunksOf({60000, 60000});
    const QByteArray fresh = ModWave::WaveHeader(standardFormat(), 60000) + joined(chunks);
    enum class Left { Nothing, OldFile, NewFile };
    struct Row {
        const char *name;
        bool existing;
        bool folderClosed;  // no new files, even for the unprivileged user the write runs as
        rlim_t sizeLimit;   // 0: none
        ChildOutcome outcome;
        Left left;
    };
    const Row rows[] = {
        {"disk full halfway through replacing an export", true, false, 8192, ChildOutcome::FileError, Left::OldFile},
        {"disk full halfway through a new file", false, false, 8192, ChildOutcome::FileError, Left::Nothing},
        {"writable file in a folder that allows no new files", true, true, 0, ChildOutcome::Written, Left::NewFile},
    };
    // the unprivileged user must reach the folders
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    int n = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString folder = path("case") + QString::number(++n);
        const QString target = folder + "/export.wav";
        ASSERT_TRUE(QDir().mkpath(folder));
        if (row.existing) {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(old);
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
        }
        if (row.folderClosed) {
            ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
        }

        const ChildOutcome outcome = writeInChild(target, chunks, 60000, row.sizeLimit, row.folderClosed);
        chmod(QFile::encodeName(folder).constData(), 0755);
        if (outcome == ChildOutcome::NoUnprivilegedUser) {
            GTEST_SKIP() << "no user id without root rights that reaches the temporary folder";
        }
        EXPECT_EQ(outcome, row.outcome);
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (row.left == Left::Nothing) {
            EXPECT_TRUE(entries.isEmpty()) << entries.join(", ").toStdString();
        } else {
            EXPECT_EQ(entries, QStringList{"export.wav"});
            EXPECT_EQ(readFile(target), row.left == Left::OldFile ? old : fresh);
        }
    }
}
