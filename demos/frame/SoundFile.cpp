#include "SoundFile.h"

#include "common/TonePath.h"

#include <stdexcept>

namespace demos {

void writeDemoSound(const QString &path, WaveFormat &format, std::int32_t seconds,
                    const std::function<void(std::int32_t, SampleChunks &)> &generate)
{
    FillStandardFormat(format);
    std::int32_t frameCount = 0;
    std::int32_t sampleCount = 0;
    if (__builtin_mul_overflow(seconds, Sound::SampleRate, &frameCount)
        || __builtin_mul_overflow(seconds, Sound::ValuesPerSecond, &sampleCount))
        throw std::overflow_error("Überlauf: die Dauer ist zu lang");
    TonePath::writeTone(path, format, sampleCount, [&](SampleChunks &chunks) { generate(frameCount, chunks); });
}

} // namespace demos
