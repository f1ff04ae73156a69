#include "DemoToneToFile.h"
#include "demos/dazuv/ModPegel.h"

#include <benchmark/benchmark.h>

namespace {

// What play does before the device: the longest Dazuv tone synthesised and written.
void DazuvTenSecondsToFile(benchmark::State &state)
{
    timeDemoToneToFile(state, QStringLiteral("bench-dazuv.wav"), 10, [](std::int32_t frames, SampleChunks &chunks) {
        ModPegel::MakeLevelDifferenceTone(10.0f, 25.0f, frames, chunks);
    });
}
BENCHMARK(DazuvTenSecondsToFile)->Unit(benchmark::kMillisecond);

} // namespace
