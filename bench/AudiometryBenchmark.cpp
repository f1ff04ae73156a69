#include "audiometry/Audiogram.h"
#include "audiometry/UCHTest.h"
#include "platform/ScrollBar.h"
#include "SilentServices.h"

#include <benchmark/benchmark.h>

namespace {

// One level bar change: synthesis, "dummy.wav" written and deleted, the panel's bookkeeping.
void BarChangeWithoutPlayback(benchmark::State &state)
{
    SilentServices silent;
    platform::ScopedServices scope(silent);
    UCHTest panel([] { return 32; });
    panel.Command6_Click();
    platform::ScrollBar *bar = panel.VScroll(UCHTest::Ear::Right, 1);
    int step = 0;
    for (auto _ : state) {
        bar->setValue(step++ % 2 == 0 ? -4 : -5);
        benchmark::DoNotOptimize(panel.CurrentLevel[1]);
    }
}
BENCHMARK(BarChangeWithoutPlayback)->Unit(benchmark::kMillisecond);

// The whole audiogram with the normal curve over it, at the chart's design size.
void AudiogramWithNormalCurve(benchmark::State &state)
{
    platform::DrawingSurface surface(QSize(557, 285));
    const Audiogram::Levels right{80, 36, 20, 10, 0, 0, -5, -10, -8, 0, 15, 12};
    const Audiogram::Levels left{80, 40, 25, 14, 5.5f, 3, 0, -5.5f, -4, 0, 14, 10};
    for (auto _ : state) {
        surface.clear();
        Audiogram::drawHearingCurves(surface, right, left);
        Audiogram::drawNormalCurve(surface);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(AudiogramWithNormalCurve)->Unit(benchmark::kMicrosecond);

} // namespace
