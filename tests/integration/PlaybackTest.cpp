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

using namespace testing_support;

namespace {

struct ToneStats {
    int peakLeft = 0;
    int peakRight = 0;
    double soundingSeconds = 0;  // from the first to the last clearly audible frame
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

} // namespace

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
