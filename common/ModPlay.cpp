#include "ModPlay.h"

#include "platform/MMControl.h"

namespace ModPlay {

void PlayWaveFile(platform::MMControl &control, const QString &file, const PlaySequence &sequence)
{
    if (sequence.setsDeviceType)
        control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(file);
    control.setFlag1(false);
    control.setFlag2(true);
    if (sequence.opensDevice)
        control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
    if (sequence.closesAfterSound)
        control.setCommand(QStringLiteral("Close"));
}

} // namespace ModPlay
