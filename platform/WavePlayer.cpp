#include "WavePlayer.h"

#include "NestedLoops.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <atomic>
#include <memory>

namespace platform {

namespace {
// an output that stops taking data lets the caller go this long after the sound's length
constexpr qint64 UnheardMs = 1000;
constexpr qint64 StalledMs = 500;
// however slowly the output takes the data
constexpr qint64 LongestDelayMs = 3000;
constexpr int FeedIntervalMs = 2;

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

namespace {

// One sound, between the program thread that asks for it and the sound thread that plays it.
// The queued call that posts it orders what the program thread wrote before against the sound
// thread's reads.
struct Job {
    // the program thread's before posting, then the sound thread's alone (it pads the sound)
    QByteArray data;
    // written by the program thread before posting, only read after
    QAudioFormat format;
    // written by the program thread before posting, only read after, by both
    qint64 durationMs = 0;
    // set by the sound thread once it found the output and feeds it; the wait reads it (atomic)
    std::atomic<bool> started{false};
    // set by the program thread when it stops waiting; the sound thread reads it (atomic)
    std::atomic<bool> abandoned{false};
    // released once by the sound thread when the sound has ended or cannot start; the program
    // thread's wait takes it
    QSemaphore done;
};

// What "nothing" sounds like: unsigned 8-bit samples are silent at their middle.
QByteArray silence(const QAudioFormat &format, qsizetype bytes)
{
    return QByteArray(bytes, format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0));
}

// Lives on the sound thread for the life of the process. One stream stays open from tone to
// tone: a new one stalls for about a second and a half after its first buffer, closing one
// runs events on whichever thread does it, and a sink destroyed after playing may still be
// written to by Qt when the server's answer to its last drain comes in.
class Output : public QObject {
public:
    void play(const std::shared_ptr<Job> &job)
    {
        finish();
        // asking the server for its output may take as long as the server likes: here, not on
        // the program's thread
        if (job->abandoned || !openFor(QMediaDevices::defaultAudioOutput(), job->format)) {
            job->done.release();
            return;
        }
        job->started = true;
        // the stream starts again after running dry only once it holds a full buffer: a shorter
        // sound is made up to one with silence
        const qsizetype short_ = m_sink->bufferSize() - job->data.size();
        if (short_ > 0)
            job->data.append(silence(m_format, short_ - short_ % m_format.bytesPerFrame()));
        m_job = job;
        m_written = 0;
        m_sawActive = false;
        m_clock.start();
        m_lastProgress = 0;
        m_feed->start();
        feed();
    }

    void open(const QAudioFormat &format)
    {
        if (!m_job)
            openFor(QMediaDevices::defaultAudioOutput(), format);
    }

    void close()
    {
        finish();
        if (m_feed)
            m_feed->stop();
        if (m_sink) {
            // Qt 6.4's sound server connection may still answer a drain into the sink after it
            // is gone: stopped and cut off, it stays allocated for the process. No test fails
            // without it every time; with a later Qt, delete the sink here and run
            // Playback.EverySoundIsHeardWholeAndSilenceIsSilent (ctest playback.null_sink: its
            // format changes close sinks that have played), integration.input_during_tone and
            // the QuitTest cases again and again on a busy machine
            m_sink->stop();
            m_sink->disconnect();
            m_sink->setParent(nullptr);
        }
        m_sink = nullptr;
        m_io = nullptr;
    }

private:
    bool openFor(const QAudioDevice &device, const QAudioFormat &format)
    {
        if (device.isNull())
            return false;
        const bool usable = m_sink && m_io && m_sink->state() != QAudio::StoppedState && m_format == format
                            && m_deviceId == device.id();
        if (usable)
            return true;
        close();
        m_sink = new QAudioSink(device, format, this);
        m_io = m_sink->start();
        m_format = format;
        m_deviceId = device.id();
        if (!m_io || m_sink->error() == QAudio::OpenError || m_sink->error() == QAudio::FatalError) {
            close();
            return false;
        }
        // a new stream takes its first buffer, then nothing for about a second and a half;
        // silence carries it over that, so that no tone starts into the gap
        m_warming = true;
        m_lastAccepted = 0;
        m_opened.start();
        if (!m_feed) {
            m_feed = new QTimer(this);
            m_feed->setInterval(FeedIntervalMs);
            connect(m_feed, &QTimer::timeout, this, [this] { feed(); });
        }
        m_feed->start();
        return true;
    }

    void warm()
    {
        const qint64 now = m_opened.elapsed();
        const qint64 room = qMin<qint64>(m_sink->bytesFree(), m_format.bytesForDuration(FeedIntervalMs * 4000));
        if (room > 0 && m_io->write(silence(m_format, room - room % m_format.bytesPerFrame())) > 0) {
            const bool resumed = now - m_lastAccepted > StalledMs / 2;
            m_lastAccepted = now;
            // past the gap, or long enough without one
            if (resumed || now > StalledMs)
                m_warming = false;
        }
        if (now > LongestDelayMs || m_sink->state() == QAudio::StoppedState)
            m_warming = false;
    }

    void feed()
    {
        if (m_warming) {
            warm();
            if (m_warming)
                return;
            // the tone's own time starts once the stream runs
            m_clock.start();
        }
        if (!m_job) {
            m_feed->stop();
            return;
        }
        const QByteArray &data = m_job->data;
        while (m_written < data.size() && !m_job->abandoned) {
            const qint64 room = qMin<qint64>(m_sink->bytesFree(), data.size() - m_written);
            const qint64 taken = room > 0 ? m_io->write(data.constData() + m_written, room) : 0;
            if (taken <= 0)
                break;
            m_written += taken;
            m_lastProgress = m_clock.elapsed();
        }
        const QAudio::State state = m_sink->state();
        if (state == QAudio::ActiveState)
            m_sawActive = true;
        const qint64 now = m_clock.elapsed();
        const bool heard = m_written == data.size() && m_sawActive && state != QAudio::ActiveState;
        const bool failed = state == QAudio::StoppedState;
        const bool stalled = now > m_job->durationMs + UnheardMs && now - m_lastProgress > StalledMs;
        if (heard || failed || stalled || m_job->abandoned || now > m_job->durationMs + LongestDelayMs)
            finish();
    }

    void finish()
    {
        if (m_feed && !m_warming)
            m_feed->stop();
        if (m_job)
            m_job->done.release();
        m_job.reset();
    }

    QAudioSink *m_sink = nullptr;
    QIODevice *m_io = nullptr;
    QAudioFormat m_format;
    QByteArray m_deviceId;
    QTimer *m_feed = nullptr;
    bool m_warming = false;
    qint64 m_lastAccepted = 0;
    QElapsedTimer m_opened;
    std::shared_ptr<Job> m_job;
    qsizetype m_written = 0;
    bool m_sawActive = false;
    QElapsedTimer m_clock;
    qint64 m_lastProgress = 0;
};

// The sound thread, started on first use and wound down before the application object goes
// (or with the library that holds this copy of the player).
class SoundThread {
public:
    ~SoundThread()
    {
        qRemovePostRoutine(&SoundThread::stopInstance);
        stop();
    }

    static SoundThread &instance()
    {
        static SoundThread thread;
        return thread;
    }

    Output *output()
    {
        if (!m_thread) {
            m_thread = new QThread;
            m_thread->setObjectName(QStringLiteral("velmora-sound"));
            m_output = new Output;
            m_output->moveToThread(m_thread);
            // runs on the sound thread itself, where the stream lives
            QObject::connect(m_thread, &QThread::finished, m_output, [output = m_output] { output->close(); },
                             Qt::DirectConnection);
            m_thread->start();
            qAddPostRoutine(&SoundThread::stopInstance);
        }
        return m_output;
    }

private:
    static void stopInstance() { instance().stop(); }

    void stop()
    {
        if (!m_thread)
            return;
        m_thread->quit();
        if (!m_thread->wait(2000))
            return;  // a stuck sound server: leave the thread to the process's end
        delete m_output;
        delete m_thread;
        m_output = nullptr;
        m_thread = nullptr;
    }

    QThread *m_thread = nullptr;
    Output *m_output = nullptr;
};

QAudioFormat toneFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

void WavePlayer::prepare()
{
    Output *output = SoundThread::instance().output();
    QMetaObject::invokeMethod(output, [output] { output->open(toneFormat()); }, Qt::QueuedConnection);
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

    auto job = std::make_shared<Job>();
    job->durationMs = pcm.format.durationForBytes(pcm.data.size()) / 1000;
    job->data = std::move(pcm.data);
    job->format = pcm.format;
    Output *output = SoundThread::instance().output();
    QMetaObject::invokeMethod(output, [output, job] { output->play(job); }, Qt::QueuedConnection);

    // The program is blocked as on a single thread: clicks, keys, the close box and timers
    // (a held arrow's repeat among them) wait in order for the handler to return; only
    // repaints and the window system's other events get through.
    QElapsedTimer clock;
    clock.start();
    qint64 startedAt = -1;
    NestedLoops::waitHoldingInput(
        [&] {
            if (job->done.tryAcquire(1, FeedIntervalMs * 2))
                return true;
            // the sound thread answers well before these; a server that does not answer, or a
            // stream that never takes the sound, must not hold the program. The sound's own time
            // counts from when its stream runs, so that a warming stream does not cut it.
            if (startedAt < 0 && job->started)
                startedAt = clock.elapsed();
            const bool unanswered = startedAt < 0 && clock.elapsed() > LongestDelayMs;
            const bool unheard = startedAt >= 0 && clock.elapsed() - startedAt > job->durationMs + 2 * LongestDelayMs + UnheardMs;
            if (unanswered || unheard) {
                job->abandoned = true;
                return true;
            }
            return false;
        },
        NestedLoops::Timers::Hold);
}

} // namespace platform
