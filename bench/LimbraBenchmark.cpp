#include "SilentServices.h"
#include "platform/ScrollBar.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/ThresholdChart.h"
#include "thresholds/limbra/UCLimbra.h"

#include <benchmark/benchmark.h>

namespace {

using limbra::UCLimbra;
namespace ThresholdChart = limbra::ThresholdChart;

// One level bar change: synthesis, "dummy.wav" written and deleted, read-out and record.
void LimbraBarChangeWithoutPlayback(benchmark::State &state)
{
    SilentServices silent;
    platform::ScopedServices scope(silent);
    PanelOptions options = limbra::panelOptions();
    options.level = [] { return 32; };
    UCLimbra panel(options);
    panel.Command6_Click();
    platform::ScrollBar *bar = panel.VScroll(1);
    int step = 0;
    for (auto _ : state) {
        bar->setValue(step++ % 2 == 0 ? -4 : -5);
        benchmark::DoNotOptimize(panel.CurrentLevel[1]);
    }
}
BENCHMARK(LimbraBarChangeWithoutPlayback)->Unit(benchmark::kMillisecond);

// Each chart routine at the chart's design size, on a cleared surface.
void ThresholdCurve(benchmark::State &state)
{
    platform::DrawingSurface surface(QSize(557, 285));
    const ThresholdChart::Levels levels{80, 36, 20, 10, 0, 0, -5, -10, -8, 0, 15, 12};
    for (auto _ : state) {
        state.PauseTiming();
        surface.clear();
        state.ResumeTiming();
        ThresholdChart::drawThresholdCurve(surface, levels);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(ThresholdCurve)->Unit(benchmark::kMicrosecond);

void NormalCurve(benchmark::State &state)
{
    platform::DrawingSurface surface(QSize(557, 285));
    for (auto _ : state) {
        state.PauseTiming();
        surface.clear();
        state.ResumeTiming();
        ThresholdChart::drawNormalCurve(surface);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(NormalCurve)->Unit(benchmark::kMicrosecond);

} // namespace
