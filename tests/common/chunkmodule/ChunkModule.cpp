// A module with its own copy of the shared library, as a control library has: it builds one
// sound on its threads and says how many bytes it got.
#include "common/SampleChunkBuilder.h"

extern "C" __attribute__((visibility("default"))) long long velmoraBuildSound(std::int32_t frames)
{
    SampleChunks chunks;
    FillSampleChunks(chunks, frames, [](std::int32_t n) { return StereoValue{double(n % 1000), 0.0}; });
    long long bytes = 0;
    for (const QByteArray &chunk : chunks)
        bytes += chunk.size();
    return bytes;
}
