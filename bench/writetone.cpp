#include "TenSecondTone.h"
#include "common/ModWave.h"
#include "platform/FileError.h"

#include <cstdio>

// Writes the ten-second tone to a WAV file as the suite writes every sound, so that the whole
// process can be timed against another tool. No application object: nothing here needs one.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.wav\n", argv[0]);
        return 2;
    }
    try {
        SampleChunks chunks;
        FillSampleChunks(chunks, bench::ToneFrames, bench::TenSecondTone());
        WaveFormat format;
        FillStandardFormat(format);
        ModWave::WriteWaveFile(QString::fromLocal8Bit(argv[1]), format, chunks, 2 * bench::ToneFrames);
    } catch (const platform::FileError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
