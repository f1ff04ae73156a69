#include "TenSecondTone.h"
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

// A 10-second stereo sine synthesised and written, on several threads or on one.
template <bool Threads>
void TenSecondToneToFile(benchmark::State &state)
{
    const QString path = platform::temporaryFilePath(QStringLiteral("bench.wav"));
    const WaveFormat format = standardFormat();
    const bench::TenSecondTone sine;
    const auto noStep = [](std::span<std::int16_t>) {};
    for (auto _ : state) {
        SampleChunks chunks;
        if constexpr (Threads)
            FillSampleChunks(chunks, bench::ToneFrames, sine, noStep);
        else
            FillSampleChunksSequentially(chunks, bench::ToneFrames, sine, noStep);
        ModWave::WriteWaveFile(path, format, chunks, 2 * bench::ToneFrames);
        QFile::remove(path);
    }
}
BENCHMARK(TenSecondToneToFile<true>)->Name("TenSecondToneToFile")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TenSecondToneToFile<false>)->Name("TenSecondToneToFileSequential")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
