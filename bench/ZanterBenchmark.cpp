#include "DemoToneToFile.h"

#include "demos/zanter/Form1.h"
#include "demos/zanter/ModFreq.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <benchmark/benchmark.h>

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
    timeDemoToneToFile(state, QStringLiteral("bench-zanter.wav"), 10, [](std::int32_t frames, SampleChunks &chunks) {
        ModFreq::SynthesizeFM(10.0f, 1000.0f, 10.0f, 20.0f, frames, chunks);
    });
}
BENCHMARK(ZanterLongestToneToFile)->Unit(benchmark::kMillisecond);

} // namespace
