#include "demos/rovad/KlangPanel.h"
#include "demos/rovad/modKlang.h"
#include "demos/frame/HarmonicSum.h"

#include "common/SampleChunkBuilder.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <algorithm>

namespace {

// The data bytes of the heaviest tone as a plain loop gives them: every frame in turn, the gain
// taken per chunk from the maximum so far.
QByteArray sequentialTone(const rovad::KlangAmplitudes &amplitudes, float frequency, std::int32_t frames)
{
    const float omega = SampleMath::Omega(frequency);
    std::vector<std::int16_t> values;
    values.reserve(std::size_t(2 * frames));
    std::int16_t maximum = 0;
    std::size_t chunkStart = 0;
    for (std::int32_t n = 1; n <= frames; ++n) {
        const std::int16_t v = demos::HarmonicSum(amplitudes, omega, n);
        maximum = std::max(maximum, v);
        values.push_back(v);
        values.push_back(v);
        if (n % FramesPerChunk == 0 || n == frames) {
            if (maximum < rovad::modKlang::TargetPeak && maximum != 0)
                for (std::size_t i = chunkStart; i < values.size(); ++i)
                    values[i] = std::int16_t(std::clamp<std::int32_t>(
                        values[i] * (rovad::modKlang::TargetPeak / maximum), -32768, 32767));
            chunkStart = values.size();
        }
    }
    return QByteArray(reinterpret_cast<const char *>(values.data()), qsizetype(values.size() * 2));
}

// Rovad's heaviest tone, ten seconds of all fifteen harmonics at 100 %, synthesised and
// written as play does before the device; checked once against the plain loop.
void RovadHeaviestToneToFile(benchmark::State &state)
{
    rovad::KlangPanel panel;
    for (platform::ScrollBar *slider : panel.VScroll1)
        slider->setValue(100);
    panel.HScroll1->setValue(10);
    const QString path = platform::temporaryFilePath(QStringLiteral("bench-rovad.wav"));
    for (auto _ : state)
        panel.MakeWaveFile(path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll().mid(44) != sequentialTone(panel.Amplitudes, 100.0f, 441000))
        state.SkipWithError("the tone differs from the sequential loop");
    file.close();
    QFile::remove(path);
}
BENCHMARK(RovadHeaviestToneToFile)->Unit(benchmark::kMillisecond);

// The plain sequential loop alone, for comparison.
void RovadHeaviestToneSequentialLoop(benchmark::State &state)
{
    rovad::KlangAmplitudes amplitudes;
    amplitudes.fill(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(sequentialTone(amplitudes, 100.0f, 441000));
}
BENCHMARK(RovadHeaviestToneSequentialLoop)->Unit(benchmark::kMillisecond);

// One amplitude slider step in Rovad: read-out, both plots, and both boxes painted.
void RovadSliderRedraw(benchmark::State &state)
{
    rovad::KlangPanel panel;
    panel.show();
    for (platform::ScrollBar *slider : panel.VScroll1)
        slider->setValue(60);
    int value = 100;
    for (auto _ : state) {
        panel.VScroll1[0]->setValue(value);
        panel.Ausgabe1->repaint();
        panel.Ausgabe2->repaint();
        value = value == 100 ? 99 : 100;
    }
}
BENCHMARK(RovadSliderRedraw)->Unit(benchmark::kMillisecond);

} // namespace
