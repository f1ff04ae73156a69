#include "demos/frame/SoundFile.h"
#include "demos/zanter/Form1.h"
#include "demos/zanter/ModFreq.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

// One Amod step in Zanter: both curves, two read-outs, and the box painted on screen.
void ZanterSliderRedraw(benchmark::State &state)
{
    zanter::Form1 window;
    window.show();
    int depth = 4;
    for (auto _ : state) {
        window.VScroll2->setValue(depth);
        window.Ausgabe->repaint();
        depth = depth == 4 ? 5 : 4;
    }
}
BENCHMARK(ZanterSliderRedraw)->Unit(benchmark::kMillisecond);

// What play does before the device: the longest Zanter tone synthesised and written.
void ZanterLongestToneToFile(benchmark::State &state)
{
    const QString path = platform::temporaryFilePath(QStringLiteral("bench-zanter.wav"));
    WaveFormat format;
    for (auto _ : state) {
        demos::writeDemoSound(path, format, 10, [](std::int32_t frames, SampleChunks &chunks) {
            ModFreq::SynthesizeFM(10.0f, 1000.0f, 10.0f, 20.0f, frames, chunks);
        });
        QFile::remove(path);
    }
}
BENCHMARK(ZanterLongestToneToFile)->Unit(benchmark::kMillisecond);

} // namespace
