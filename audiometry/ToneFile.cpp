#include "ToneFile.h"

#include "common/ModPlay.h"
#include "common/ModWave.h"
#include "platform/FileError.h"
#include "platform/MMControl.h"
#include "platform/Services.h"
#include "platform/TempFiles.h"

#include <QFile>

namespace ToneFile {

using platform::services;

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

void play(platform::MMControl &control, Ending ending)
{
    const QString path = platform::soundFilePath();
    ModPlay::PlayWaveFile(control, path, ending == Ending::Close ? ModPlay::SoundThenClose : ModPlay::SoundOnly);
    QFile::remove(path);
}

} // namespace ToneFile
