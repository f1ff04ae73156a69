#include "TonePath.h"

#include "ModWave.h"
#include "platform/FailureReport.h"
#include "platform/Services.h"
#include "platform/TempFiles.h"

#include <QFile>


namespace TonePath {

QString filePath(const Policy &policy)
{
    return policy.file == File::KeptPerUser ? platform::keptSoundFilePath() : platform::soundFilePath();
}

Writer toneFile(const WaveFormat &format, std::int32_t sampleCount, std::function<void(SampleChunks &)> synthesise)
{
    return [format, sampleCount, synthesise = std::move(synthesise)](const QString &path) {
        writeTone(path, format, sampleCount, synthesise);
    };
}

void writeTone(const QString &path, const WaveFormat &format, std::int32_t sampleCount,
               const std::function<void(SampleChunks &)> &synthesise)
{
    SampleChunks chunks;
    synthesise(chunks);
    ModWave::WriteWaveFile(path, format, chunks, sampleCount);
}

bool play(platform::MMControl &control, const Policy &policy, const Writer &write, const Player &playFile)
{
    platform::ScopedHourglass hourglass(policy.pointer == Pointer::Hourglass);
    try {
        const QString path = filePath(policy);
        // gone after playing, and also when writing or playing failed
        struct RemoveOnExit {
            const QString &file;
            bool active;
            ~RemoveOnExit()
            {
                if (active)
                    QFile::remove(file);
            }
        } removal{path, policy.file == File::PrivateTemporary};
        write(path);
        if (playFile)
            playFile(path);
        else
            ModPlay::PlayWaveFile(control, path, policy.sequence);
        return true;
    } catch (const std::exception &error) {
        hourglass.endAndReport(error);
        return false;
    }
}

} // namespace TonePath
