#include "ToneFile.h"

#include "common/ModWave.h"
#include "platform/FileError.h"
#include "platform/Services.h"
#include "platform/TempFiles.h"

#include <QFile>

namespace ToneFile {

bool write(const WaveFormat &format, const SampleChunks &chunks, std::int32_t sampleCount)
{
    try {
        ModWave::WriteWaveFile(platform::soundFilePath(), format, chunks, sampleCount);
        return true;
    } catch (const platform::FileError &error) {
        platform::reportFailure(error);
        return false;
    }
}

void play(platform::MMControl &control, const PlaySequence &sequence)
{
    const QString path = platform::soundFilePath();
    ModPlay::PlayWaveFile(control, path, sequence);
    QFile::remove(path);
}

} // namespace ToneFile
