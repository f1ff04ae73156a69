#include "common/ModWave.h"
#include "platform/MMControl.h"
#include "platform/WavePlayer.h"
#include "support/RecordingServices.h"
#include "support/WaveBytes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;
using platform::MMControl;
using platform::WavePlayer;

TEST(MMControl, EveryWriteReachesTheServicesInOrder)
{
    RecordingServices recorder;
    platform::ScopedServices scope(recorder);
    MMControl control(QStringLiteral("MMControl2"));
    control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(QStringLiteral("/tmp/x/dummy.wav"));
    control.setFlag1(false);
    control.setFlag2(true);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
    control.setCommand(QStringLiteral("Close"));
    EXPECT_EQ(recorder.mciLog(), (QStringList{"DeviceType=WaveAudio", "FileName=/tmp/x/dummy.wav", "Flag1=false",
                                              "Flag2=true", "Command=Open", "Command=Sound", "Command=Close"}));
    EXPECT_EQ(recorder.mciWrites.first().control, QStringLiteral("MMControl2"));
    EXPECT_EQ(int(recorder.mciWrites.first().property), 21);
    EXPECT_EQ(int(recorder.mciWrites.last().property), 23);
}

TEST(MMControl, DefaultServicesReturnAtOnceForAFileThatCannotBePlayed)
{
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QStringLiteral("text.wav")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a wave file");
    }
    MMControl control;
    for (const QString &name : {QStringLiteral("missing.wav"), QStringLiteral("text.wav")}) {
        SCOPED_TRACE(name.toStdString());
        control.setFileName(dir.filePath(name));
        QElapsedTimer clock;
        clock.start();
        EXPECT_NO_THROW({
            control.setCommand(QStringLiteral("Open"));
            control.setCommand(QStringLiteral("Sound"));
            control.setCommand(QStringLiteral("Close"));
        });
        // not waiting for a device or a playback that never comes
        EXPECT_LT(clock.elapsed(), 1000);
    }
    // neither created nor touched
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.wav"))));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("text.wav"))), QByteArray("not a wave file"));
}

namespace {
QByteArray waveFile(std::int32_t sampleCount, int frames)
{
    WaveFormat format;
    FillStandardFormat(format);
    QByteArray bytes = ModWave::WaveHeader(format, sampleCount);
    for (int i = 0; i < frames; ++i)
        bytes += hex("01 00 02 00");
    return bytes;
}
} // namespace

TEST(WavePlayer, PlaysTheDeclaredDataClippedToWhatIsPresent)
{
    struct Row {
        const char *name;
        std::int32_t sampleCount;
        int frames;
        qsizetype playedBytes;
    };
    const Row rows[] = {
        {"test tone: half a second declared, two seconds present", 44100, 88200, 88200},
        {"demonstration: declared equals present", 6, 3, 12},
        {"declared more than present", 100, 10, 40},
        {"empty", 0, 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WavePlayer::Pcm pcm;
        ASSERT_TRUE(WavePlayer::parse(waveFile(row.sampleCount, row.frames), pcm));
        EXPECT_EQ(pcm.data.size(), row.playedBytes);
        EXPECT_EQ(pcm.format.sampleRate(), 44100);
        EXPECT_EQ(pcm.format.channelCount(), 2);
        EXPECT_EQ(pcm.format.sampleFormat(), QAudioFormat::Int16);
    }
}

TEST(WavePlayer, RejectsWhatIsNotPcmWave)
{
    QByteArray floatTag = waveFile(4, 2);
    floatTag[20] = 3;
    const QByteArray rows[] = {QByteArray(), "RIFF", QByteArray("RIFX") + waveFile(4, 2).mid(4), floatTag,
                               waveFile(4, 2).left(30)};
    for (const QByteArray &bytes : rows) {
        WavePlayer::Pcm pcm;
        EXPECT_FALSE(WavePlayer::parse(bytes, pcm)) << bytes.toHex().toStdString();
    }
}
