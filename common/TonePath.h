#pragma once

#include "ModPlay.h"
#include "SampleChunks.h"
#include "WaveFormat.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace platform {
class MMControl;
}

// The one road of every tone: synthesise and write, play, tidy up.
namespace TonePath {

enum class Pointer {
    Hourglass,  // around the whole work
    Untouched,  // a hosted control leaves the pointer to its host
};

enum class File {
    PrivateTemporary,  // "dummy.wav" in the process's own folder, deleted after playing
    KeptPerUser,       // one per-user file, kept until the next tone overwrites it
};

struct Policy {
    PlaySequence sequence;
    Pointer pointer = Pointer::Hourglass;
    File file = File::PrivateTemporary;
};

// Where a tone of this policy is written and played from.
QString filePath(const Policy &policy);

using Writer = std::function<void(const QString &path)>;
using Player = std::function<void(const QString &path)>;

// The usual writer: `synthesise` fills fresh chunks, which are written with `format` and
// `sampleCount`.
Writer toneFile(const WaveFormat &format, std::int32_t sampleCount, std::function<void(SampleChunks &)> synthesise);
// What that writer does, at once.
void writeTone(const QString &path, const WaveFormat &format, std::int32_t sampleCount,
               const std::function<void(SampleChunks &)> &synthesise);

// `write` synthesises the tone into the file; `playFile` drives the control (by default the
// policy's sequence on `control`). Any failure is told to the user and the pointer restored on
// every path; false when nothing was heard.
bool play(platform::MMControl &control, const Policy &policy, const Writer &write, const Player &playFile = {});

} // namespace TonePath
