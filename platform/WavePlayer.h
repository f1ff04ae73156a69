#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

namespace platform {

// Synchronous playback of a PCM WAV file on the default output.
class WavePlayer {
public:
    struct Pcm {
        QAudioFormat format;
        QByteArray data;  // the declared data size, clipped to the bytes present
    };

    // Plays the whole file and returns when it has been heard. The file is read at once and
    // not held while playing. User input and timers wait, in order, until the caller's handler
    // has returned, and are handled right after it; repainting goes on. Without an output
    // device, or for a file that is not PCM WAV, nothing is heard and the call returns at once;
    // a sound server that does not answer holds the caller three seconds at most, and an output
    // that takes nothing a second past the sound's length.
    static void playFile(const QString &path);

    // Opens the output ahead of the first sound, without waiting for the sound server: a new
    // stream takes a while to run smoothly.
    static void prepare();

    // False when the bytes are not a 16- or 8-bit PCM WAV file.
    static bool parse(const QByteArray &file, Pcm &out);
};

} // namespace platform
