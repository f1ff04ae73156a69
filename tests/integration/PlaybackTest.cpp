#include "audiometry/Modtest.h"
#include "common/ModPlay.h"
#include "common/ModWave.h"
#include "platform/MMControl.h"
#include "platform/TempFiles.h"
#include "platform/WavePlayer.h"
#include "support/MonitorRecording.h"
#include "support/WaveBytes.h"

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include <csignal>
#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

using namespace testing_support;

namespace {

struct ToneStats {
    int peakLeft = 0;
    int peakRight = 0;
    double soundingSeconds = 0;  // from the first to the last clearly audible frame
    double audibleSeconds = 0;   // the clearly audible frames alone
};

ToneStats analyse(const QByteArray &raw)
{
    const std::vector<std::int16_t> s = samples(raw);
    ToneStats stats;
    std::ptrdiff_t first = -1, last = -1;
    for (std::size_t j = 0; j + 1 < s.size(); j += 2) {
        stats.peakLeft = std::max(stats.peakLeft, std::abs(int(s[j])));
        stats.peakRight = std::max(stats.peakRight, std::abs(int(s[j + 1])));
        if (std::abs(int(s[j])) > 100 || std::abs(int(s[j + 1])) > 100) {
            stats.audibleSeconds += 1 / 44100.0;
            if (first < 0)
                first = std::ptrdiff_t(j / 2);
            last = std::ptrdiff_t(j / 2);
        }
    }
    if (first >= 0)
        stats.soundingSeconds = double(last - first + 1) / 44100.0;
    return stats;
}

QString writeTone(const SampleChunks &chunks, std::int32_t sampleCount)
{
    WaveFormat format;
    FillStandardFormat(format);
    const QString file = platform::soundFilePath();
    ModWave::WriteWaveFile(file, format, chunks, sampleCount);
    return file;
}

// The panels' sequence; returns how long "Sound" took, in seconds.
double playAsAPanelDoes(const QString &file)
{
    platform::MMControl control;
    QElapsedTimer clock;
    clock.start();
    ModPlay::PlayWaveFile(control, file, ModPlay::SoundOnly);
    return clock.elapsed() / 1000.0;
}

// Whether this process still has the file open (Linux removes open files all the same).
bool heldOpen(const QString &file)
{
    const QString target = QFileInfo(file).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo &fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == target)
            return true;
    return false;
}

// A PCM WAV file of one sine on every channel (or silence at amplitude 0), in any format.
QString writeSine(int rate, int channels, int bits, double seconds, double amplitude)
{
    const int frames = int(rate * seconds);
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * M_PI * 1000 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                data.append(char(quint8(128 + std::lround(v))));
            } else {
                const qint16 sample = qint16(std::lround(v));
                data.append(reinterpret_cast<const char *>(&sample), 2);
            }
        }
    }
    const auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    const auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    const int block = channels * bits / 8;
    const QByteArray file = "RIFF" + le32(quint32(36 + data.size())) + "WAVEfmt " + le32(16) + le16(1)
                            + le16(quint16(channels)) + le32(quint32(rate)) + le32(quint32(rate * block))
                            + le16(quint16(block)) + le16(quint16(bits)) + "data" + le32(quint32(data.size())) + data;
    const QString path = platform::soundFilePath();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return {};
    return path;
}

// Holds the sound thread still for a while, as a busy machine may, so that its stream runs dry;
// the sound server's client threads longer, so that the news of it comes only once the sound
// thread has gone on: an end of the sound must not be taken from that news.
void stallSoundThreads(int ms)
{
    static pid_t soundThread = 0;
    static int stallMs = 0;
    stallMs = ms;
    struct sigaction action {};
    action.sa_handler = [](int) {
        const int here = pid_t(syscall(SYS_gettid)) == soundThread ? stallMs : stallMs + 300;
        const timespec pause{here / 1000, (here % 1000) * 1000000L};
        nanosleep(&pause, nullptr);
    };
    sigaction(SIGUSR2, &action, nullptr);
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray name = readFile(tasks.filePath(tid + QStringLiteral("/comm"))).trimmed();
        if (name == "velmora-sound")
            soundThread = tid.toInt();
        if (name == "velmora-sound" || name == "threaded-ml")
            syscall(SYS_tgkill, getpid(), tid.toInt(), SIGUSR2);
    }
}

} // namespace

// Its own process: the first tone of a program whose stream was never opened.
TEST(FirstTone, PlaysWholeWhileTheStreamStillWarms)
{
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    const QString file = writeSine(44100, 2, 16, 2.0, 16000);
    MonitorRecording recording(sink);
    const double returnedAfter = playAsAPanelDoes(file);
    const ToneStats stats = analyse(recording.stop());
    EXPECT_TRUE(QFile::remove(file));
    EXPECT_GE(returnedAfter, 1.95);
    EXPECT_NEAR(stats.soundingSeconds, 2.0, 0.05) << "the first tone is heard whole";
}

// Sounds in other formats and a stream that runs dry: each heard whole and nothing else heard.
TEST(Playback, EverySoundIsHeardWholeAndSilenceIsSilent)
{
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    platform::WavePlayer::prepare();
    QThread::msleep(2500);
    struct Row {
        const char *name;
        int rate, channels, bits;
        double amplitude;  // in the file's own units
        double seconds;
        int stallMs;       // the sound thread held still this long, half a second in
        int expectedPeak;  // at the sink, 16-bit
    };
    const Row rows[] = {
        {"8-bit silence after a 16-bit tone: a new stream warms with silence", 22050, 1, 8, 0, 0.3, 0, 0},
        {"8-bit mono at 22050 Hz", 22050, 1, 8, 100, 0.6, 0, 100 * 256},
        {"the standard format again after it", 44100, 2, 16, 12000, 0.6, 0, 12000},
        {"a stream that runs dry halfway", 44100, 2, 16, 12000, 1.5, 400, 12000},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = writeSine(row.rate, row.channels, row.bits, row.seconds, row.amplitude);
        ASSERT_FALSE(file.isEmpty());
        MonitorRecording recording(sink);
        ASSERT_TRUE(recording.started());
        std::thread stall;
        if (row.stallMs)
            stall = std::thread([&] {
                QThread::msleep(500);
                stallSoundThreads(row.stallMs);
            });
        const double returnedAfter = playAsAPanelDoes(file);
        if (stall.joinable())
            stall.join();
        const ToneStats stats = analyse(recording.stop());
        EXPECT_TRUE(QFile::remove(file));
        EXPECT_GE(returnedAfter, row.seconds * 0.95) << "Sound returned before the sound had played";
        EXPECT_NEAR(std::max(stats.peakLeft, stats.peakRight), row.expectedPeak, row.expectedPeak * 0.05 + 1);
        // a sine is below the threshold near its zeros
        const double audible = row.expectedPeak ? row.seconds * (1 - 2 * std::asin(100.0 / row.expectedPeak) / M_PI) : 0;
        EXPECT_NEAR(stats.audibleSeconds, audible, 0.08) << "the whole sound, and nothing else";
    }
}

TEST(Playback, TestToneArrivesAtTheSinkAndSoundReturnsAfterIt)
{
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull()) << "the private server offers no output";
    // as a program does at start: the stream is open before the first tone
    platform::WavePlayer::prepare();
    QThread::msleep(2500);

    struct Row {
        const char *name;
        std::int32_t sampleCount;
        int expectedPeak;
        double seconds;
    };
    // 1000 Hz at 54 dB above a reference of 64 on the right ear: the loudest test tone
    const double amplitude = std::pow(10.0, 54.0 / 20.0) * 64;
    const Row rows[] = {
        {"test tone declaring half a second", 44100, int(std::lround(amplitude)), 0.5},
        {"the same tone declaring all two seconds", 176400, int(std::lround(amplitude)), 2.0},
        // a stream that ran dry starts again only from a full buffer
        {"a tone shorter than the stream's buffer", 8820, int(std::lround(amplitude)), 0.05},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        Modtest::MakeToneRight(64, 3.f, 51.f, 1000.f, chunks);
        const QString file = writeTone(chunks, row.sampleCount);

        MonitorRecording recording(sink);
        ASSERT_TRUE(recording.started()) << "parec did not start";
        const double returnedAfter = playAsAPanelDoes(file);
        EXPECT_FALSE(heldOpen(file)) << "the player still holds the file after Sound";
        EXPECT_TRUE(QFile::remove(file));
        const ToneStats stats = analyse(recording.stop());

        EXPECT_GE(returnedAfter, row.seconds * 0.95) << "Sound returned before the tone had played";
        // the second tone follows the first at once, as a student's next click does
        EXPECT_LT(returnedAfter, row.seconds + 0.3) << "Sound held the program past the tone";
        EXPECT_EQ(stats.peakLeft, 0) << "left ear must stay silent";
        EXPECT_NEAR(stats.peakRight, row.expectedPeak, row.expectedPeak * 0.02);
        EXPECT_NEAR(stats.soundingSeconds, row.seconds, 0.1);
    }
}

TEST(Playback, AnOutputThatTakesNothingHoldsSoundOnlyBrieflyPastTheTone)
{
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    SampleChunks chunks;
    Modtest::MakeToneBoth(16384, 1000, chunks);
    const QString file = writeTone(chunks, 88200);
    const auto suspend = [&](bool on) {
        return QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("suspend-sink"), sink,
                                                           QString::number(on ? 1 : 0)});
    };
    ASSERT_EQ(suspend(true), 0);
    const double seconds = playAsAPanelDoes(file);
    EXPECT_EQ(suspend(false), 0);
    EXPECT_LT(seconds, 1.0 + 1.6) << "a one-second tone into a suspended sink";
    // and the next tone is heard again, whole
    MonitorRecording recording(sink);
    EXPECT_GE(playAsAPanelDoes(file), 0.95);
    EXPECT_GT(peak(samples(recording.stop())), 16000);
    EXPECT_TRUE(QFile::remove(file));
}

TEST(NoServer, SoundReturnsPromptlyWithoutError)
{
    if (qEnvironmentVariableIsEmpty("VELMORA_NO_SERVER"))
        GTEST_SKIP() << "runs only with the sound server pointed nowhere";
    SampleChunks chunks;
    Modtest::MakeToneBoth(16384, 1000, chunks);
    const QString file = writeTone(chunks, 176400);
    double seconds = -1;
    EXPECT_NO_THROW(seconds = playAsAPanelDoes(file));
    EXPECT_GE(seconds, 0);
    EXPECT_LT(seconds, 1.5);
    EXPECT_TRUE(QFile::remove(file));
}
