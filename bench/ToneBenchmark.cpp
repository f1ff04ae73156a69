#include "audiometry/Modtest.h"
#include "common/ModWave.h"
#include "common/SampleChunkBuilder.h"
#include "platform/TempFiles.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cmath>

namespace {

WaveFormat standardFormat()
{
    WaveFormat format;
    FillStandardFormat(format);
    return format;
}

// What a level bar does before playing: one two-second tone synthesised, written and removed.
void AudiometryToneToFile(benchmark::State &state)
{
    const QString path = platform::temporaryFilePath(QStringLiteral("bench.wav"));
    const WaveFormat format = standardFormat();
    for (auto _ : state) {
        SampleChunks chunks;
        Modtest::MakeToneRight(32, 40.f, -4.f, 50.f, chunks);
        ModWave::WriteWaveFile(path, format, chunks, 44100);
        QFile::remove(path);
    }
}
BENCHMARK(AudiometryToneToFile)->Unit(benchmark::kMillisecond);

void TenSecondToneToFile(benchmark::State &state)
{
    const QString path = platform::temporaryFilePath(QStringLiteral("bench.wav"));
    const WaveFormat format = standardFormat();
    const float omega = SampleMath::Omega(1000);
    for (auto _ : state) {
        SampleChunks chunks;
        FillSampleChunks(chunks, 10 * Sound::SampleRate, [&](std::int32_t n) {
            const double s = 8000 * std::sin(double(omega) * n);
            return StereoValue{s, s};
        });
        ModWave::WriteWaveFile(path, format, chunks, 10 * Sound::ValuesPerSecond);
        QFile::remove(path);
    }
}
BENCHMARK(TenSecondToneToFile)->Unit(benchmark::kMillisecond);

} // namespace
