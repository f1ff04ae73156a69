#pragma once

#include "demos/frame/SoundFile.h"
#include "platform/TempFiles.h"

#include <benchmark/benchmark.h>

#include <QFile>

// What a demonstration's play does before the device, timed: `seconds` of its tone synthesised
// and written to a scratch file.
template <typename Generate>
void timeDemoToneToFile(benchmark::State &state, const QString &name, std::int32_t seconds, Generate generate)
{
    const QString path = platform::temporaryFilePath(name);
    WaveFormat format;
    for (auto _ : state) {
        demos::writeDemoSound(path, format, seconds, generate);
        QFile::remove(path);
    }
}
