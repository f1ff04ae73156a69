#include "DemoToneToFile.h"

#include "demos/koliva/Eingabe.h"
#include "demos/koliva/ModAmp.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <benchmark/benchmark.h>

namespace {

// One depth step in Koliva: read-out, envelope with its hatch, and the box painted on screen.
void KolivaSliderRedraw(benchmark::State &state)
{
    koliva::Eingabe window;
    window.show();
    window.VScroll4->setValue(10);
    int depth = 4;
    for (auto _ : state) {
        window.VScroll2->setValue(depth);
        window.Ausgabe->repaint();
        depth = depth == 4 ? 5 : 4;
    }
}
BENCHMARK(KolivaSliderRedraw)->Unit(benchmark::kMillisecond);

// What play does before the device: the longest Koliva tone synthesised and written.
void KolivaLongestToneToFile(benchmark::State &state)
{
    timeDemoToneToFile(state, QStringLiteral("bench-koliva.wav"), 10, [](std::int32_t frames, SampleChunks &chunks) {
        ModAmp::SynthesizeAM(10.0f, 10.0f, 1000.0f, 10.0f, frames, chunks);
    });
}
BENCHMARK(KolivaLongestToneToFile)->Unit(benchmark::kMillisecond);

} // namespace
