#include "common/ModWave.h"
#include "platform/TempFiles.h"
#include "thresholds/varnik/DifferenceChart.h"
#include "thresholds/varnik/ModFrequenztest.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

using namespace varnik;

// What a slider change does before playing: the two-second swinging tone synthesised, written
// and removed.
void FmToneToFile(benchmark::State &state)
{
    const QString path = platform::temporaryFilePath(QStringLiteral("bench-varnik.wav"));
    WaveFormat format;
    FillStandardFormat(format);
    for (auto _ : state) {
        SampleChunks chunks;
        ModFrequenztest::GenerateFmTone(1000, 10000, 54, 88200, chunks);
        ModWave::WriteWaveFile(path, format, chunks, 88200);
        QFile::remove(path);
    }
}
BENCHMARK(FmToneToFile)->Unit(benchmark::kMillisecond);

// The chart's design size: 8415 × 4335 twips less the frame.
constexpr QSize ChartPixels(557, 285);

void MeasuredCurve(benchmark::State &state)
{
    platform::DrawingSurface surface(ChartPixels);
    const DifferenceChart::Values measured{2.2f, 2, 1.5f, 1.5f, 3.2f, 6.4f, 19.6f, 43};
    for (auto _ : state) {
        surface.clear();
        DifferenceChart::drawMeasuredCurve(surface, measured);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(MeasuredCurve)->Unit(benchmark::kMicrosecond);

void MeanCurve(benchmark::State &state)
{
    platform::DrawingSurface surface(ChartPixels);
    for (auto _ : state) {
        surface.clear();
        DifferenceChart::drawMeanCurve(surface);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(MeanCurve)->Unit(benchmark::kMicrosecond);

} // namespace
