#pragma once

#include <QString>

namespace platform {
class MMControl;
}

// Which commands a window sends around "Sound" to play a written file.
struct PlaySequence {
    bool setsDeviceType = false;    // "WaveAudio" before the file name
    bool opensDevice = false;       // "Open" before "Sound"
    bool closesAfterSound = false;  // "Close" after "Sound"
};

namespace ModPlay {

// The listening tests' panels.
inline constexpr PlaySequence SoundOnly{false, false, false};
// The calibration pages.
inline constexpr PlaySequence SoundThenClose{false, false, true};

// [device type,] file name, False, True, ["Open",] "Sound"[, "Close"]: returns once the file
// has been heard and is no longer held. Deleting it is the caller's.
void PlayWaveFile(platform::MMControl &control, const QString &file, const PlaySequence &sequence);

} // namespace ModPlay
