#include "DemoToneToFile.h"
#include "demos/diraz/Eingabe.h"
#include "demos/diraz/modSine.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <benchmark/benchmark.h>

namespace {

// One amplitude slider step in Diraz: read-out, curve, and the box painted on screen.
void DirazSliderRedraw(benchmark::State &state)
{
    diraz::Eingabe window;
    window.show();
    int step = 4;
    for (auto _ : state) {
        window.VScroll1->setValue(step);
        window.Ausgabe->repaint();
        step = step == 4 ? 5 : 4;
    }
}
BENCHMARK(DirazSliderRedraw)->Unit(benchmark::kMillisecond);

// What play does before the device: the longest Diraz tone synthesised and written.
void DirazLongestToneToFile(benchmark::State &state)
{
    timeDemoToneToFile(state, QStringLiteral("bench-diraz.wav"), 9, [](std::int32_t frames, SampleChunks &chunks) {
        modSine::MakeSineTone(9.0f, 20000.0f, frames, chunks);
    });
}
BENCHMARK(DirazLongestToneToFile)->Unit(benchmark::kMillisecond);

} // namespace
