#include "demos/vevuzevu/CSpektrum.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <benchmark/benchmark.h>

namespace {

// One amplitude slider step in Vevuzevu: read-out, both plots, and both boxes painted.
void VevuzevuSliderRedraw(benchmark::State &state)
{
    vevuzevu::CSpektrum window;
    window.show();
    for (std::size_t j = 0; j < 4; ++j)
        window.VScroll1[j]->setValue(60);
    int value = 100;
    for (auto _ : state) {
        window.VScroll1[0]->setValue(value);
        window.AZeit->repaint();
        window.ASpektrum->repaint();
        value = value == 100 ? 99 : 100;
    }
}
BENCHMARK(VevuzevuSliderRedraw)->Unit(benchmark::kMillisecond);

} // namespace
