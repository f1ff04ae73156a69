#pragma once

#include "common/ModPlay.h"
#include "common/SampleChunks.h"
#include "common/WaveFormat.h"

#include <cstdint>

namespace platform {
class MMControl;
}

// The temporary "dummy.wav" a tone lives in from writing to the end of its playback.
namespace ToneFile {

// Writes the tone to platform::soundFilePath(). A failure is told to the user in a message box
// naming the file and the reason, and false is returned.
bool write(const WaveFormat &format, const SampleChunks &chunks, std::int32_t sampleCount);

// Plays the written tone with the given sequence, then deletes the file.
void play(platform::MMControl &control, const PlaySequence &sequence);

} // namespace ToneFile
