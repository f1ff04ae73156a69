#include "common/ModWave.h"
#include "platform/WavePlayer.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

using namespace testing_support;
using platform::WavePlayer;

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
