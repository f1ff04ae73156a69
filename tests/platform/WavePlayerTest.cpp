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

// Files as other programs write them: chunks the player skips (an odd-sized one with its pad
// byte, a LIST), an 18-byte format chunk, 8-bit mono.
TEST(WavePlayer, ReadsTheFormatAndDataOfRealFiles)
{
    struct Row {
        const char *file;
        int sampleRate;
        int channels;
        QAudioFormat::SampleFormat sampleFormat;
        const char *data;
    };
    const Row rows[] = {
        {"odd-chunk-and-list.wav", 44100, 2, QAudioFormat::Int16, "01 00 02 00 fe ff fd ff 00 80 ff 7f 10 00 f0 ff"},
        {"fmt-18-bytes.wav", 22050, 1, QAudioFormat::Int16, "34 12 cc ed 00 00"},
        {"mono-8-bit.wav", 8000, 1, QAudioFormat::UInt8, "80 ff 00 7f 81"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        WavePlayer::Pcm pcm;
        ASSERT_TRUE(WavePlayer::parse(readFile(QStringLiteral(VELMORA_WAVE_FILES "/") + QLatin1String(row.file)), pcm));
        EXPECT_EQ(pcm.format.sampleRate(), row.sampleRate);
        EXPECT_EQ(pcm.format.channelCount(), row.channels);
        EXPECT_EQ(pcm.format.sampleFormat(), row.sampleFormat);
        EXPECT_EQ(pcm.data, hex(row.data));
    }
}
