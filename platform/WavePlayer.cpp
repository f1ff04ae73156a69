#include "WavePlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

namespace platform {

namespace {
constexpr qint64 TailMs = 150;

quint32 u32At(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16At(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
} // namespace

bool WavePlayer::parse(const QByteArray &file, Pcm &out)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return false;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = u32At(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > file.size())
                return false;
            const quint16 tag = u16At(file, body);
            const quint16 channels = u16At(file, body + 2);
            const quint32 rate = u32At(file, body + 4);
            const quint16 bits = u16At(file, body + 14);
            if (tag != 1 || channels == 0 || rate == 0 || (bits != 16 && bits != 8))
                return false;
            out.format.setChannelCount(channels);
            out.format.setSampleRate(int(rate));
            out.format.setSampleFormat(bits == 16 ? QAudioFormat::Int16 : QAudioFormat::UInt8);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            // as standard players do: the declared size counts, not what follows it
            const qsizetype present = file.size() - body;
            qsizetype length = qMin<qsizetype>(qsizetype(size), present);
            length -= length % out.format.bytesPerFrame();
            out.data = file.mid(body, length);
            return true;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return false;
}

void WavePlayer::playFile(const QString &path)
{
    QByteArray bytes;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        bytes = file.readAll();
    }
    Pcm pcm;
    if (!parse(bytes, pcm) || pcm.data.isEmpty())
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;

    const qint64 durationMs = pcm.format.durationForBytes(pcm.data.size()) / 1000;
    // stopping the device drops what it still holds: a little silence behind the sound
    // keeps its tail audible when the machine is slow to hand data over
    pcm.data.append(QByteArray(pcm.format.bytesForDuration(TailMs * 1000), '\0'));
    QBuffer source(&pcm.data);
    source.open(QIODevice::ReadOnly);
    QAudioSink sink(device, pcm.format);

    QEventLoop loop;
    QElapsedTimer clock;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const QAudio::State state = sink.state();
        const bool failed = state == QAudio::StoppedState && sink.error() != QAudio::NoError;
        // Idle comes once the last bytes are handed over; the device still holds them, so
        // wait until the sound's own length has passed before stopping.
        const bool drained = state != QAudio::ActiveState && clock.elapsed() >= durationMs + TailMs;
        const bool overdue = clock.elapsed() > durationMs + 5000;
        if (failed || drained || overdue)
            loop.quit();
    });
    clock.start();
    sink.start(&source);
    if (sink.error() != QAudio::NoError)
        return;
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink.stop();
}

} // namespace platform
