#include "DemoToneToFile.h"
#include "demos/rozurovev/frmMain.h"
#include "demos/rozurovev/modSchwebung.h"

#include "platform/PictureBox.h"
#include "platform/TextBox.h"

#include <benchmark/benchmark.h>

namespace {

// One keystroke in the first-frequency box: second frequency, beat, envelope and the box painted.
void RozurovevKeystrokeRedraw(benchmark::State &state)
{
    rozurovev::frmMain window;
    window.show();
    bool other = false;
    for (auto _ : state) {
        window.Text1->setText(other ? QStringLiteral("507") : QStringLiteral("513"));
        window.Grafik1->repaint();
        other = !other;
    }
}
BENCHMARK(RozurovevKeystrokeRedraw)->Unit(benchmark::kMillisecond);

// What play does before the device: ten seconds of beats synthesised and written.
void RozurovevTenSecondsToFile(benchmark::State &state)
{
    timeDemoToneToFile(state, QStringLiteral("bench-rozurovev.wav"), 10, [](std::int32_t frames, SampleChunks &chunks) {
        modSchwebung::SynthesizeSchwebung(10.0f, 1000.0f, 1020.0f, frames, chunks);
    });
}
BENCHMARK(RozurovevTenSecondsToFile)->Unit(benchmark::kMillisecond);

} // namespace
