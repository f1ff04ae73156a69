#include "audiometry/Modtest.h"
#include "common/ModPlay.h"
#include "common/ModWave.h"
#include "platform/MMControl.h"
#include "platform/TempFiles.h"
#include "platform/WavePlayer.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

// From the click to the first sample the sound server hands on, heard through the null sink's
// monitor (scripts/test's server: PULSE_SERVER and VELMORA_TEST_SINK set as it sets them).
// The recording's own delay is in both figures alike, so compare the player with a bare sink.
namespace {

using Clock = std::chrono::steady_clock;

class Monitor {
public:
    Monitor()
    {
        const QByteArray sink = qgetenv("VELMORA_TEST_SINK");
        if (sink.isEmpty())
            return;
        const QByteArray command = "parec -d " + sink
                                   + ".monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=5";
        m_pipe = popen(command.constData(), "r");
        if (!m_pipe)
            return;
        m_reader = std::thread([this] {
            qint16 s[256];
            for (std::size_t n; (n = std::fread(s, sizeof s[0], 256, m_pipe)) > 0 && !m_stop;)
                for (std::size_t i = 0; i < n; ++i)
                    if (std::abs(int(s[i])) > 1000 && m_armed.exchange(false)) {
                        m_heard = Clock::now();
                        m_done = true;
                    }
        });
        QThread::msleep(500);
    }
    ~Monitor()
    {
        m_stop = true;
        if (m_pipe)
            std::system("pkill -f 'parec -d .*monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=5'");
        if (m_reader.joinable())
            m_reader.join();
        if (m_pipe)
            pclose(m_pipe);
    }
    bool usable() const { return m_pipe != nullptr; }
    void arm()
    {
        m_done = false;
        m_armed = true;
    }
    // seconds from `click` to the first loud sample, or -1
    double since(Clock::time_point click)
    {
        // a bare sink is fed from this thread's events
        for (int i = 0; i < 3000 && !m_done; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        return m_done ? std::chrono::duration<double>(m_heard - click).count() : -1;
    }

private:
    FILE *m_pipe = nullptr;
    std::thread m_reader;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_armed{false};
    std::atomic<bool> m_done{false};
    Clock::time_point m_heard;
};

Monitor &monitor()
{
    static Monitor instance;
    return instance;
}

QByteArray shortTone()
{
    SampleChunks chunks;
    Modtest::MakeToneBoth(16384, 1000, chunks);
    return chunks[0].left(4 * 4410);  // a tenth of a second
}

void ClickToSound_Player(benchmark::State &state)
{
    if (!monitor().usable()) {
        state.SkipWithError("no test sink (run under scripts/test's sound server)");
        return;
    }
    platform::WavePlayer::prepare();
    QThread::msleep(2500);
    WaveFormat format;
    FillStandardFormat(format);
    for (auto _ : state) {
        monitor().arm();
        const auto click = Clock::now();
        // what a handler does: synthesise, write, play
        SampleChunks chunks;
        Modtest::MakeToneBoth(16384, 1000, chunks);
        const QString file = platform::soundFilePath();
        ModWave::WriteWaveFile(file, format, chunks, 8820);  // 50 ms, shorter than a stream's buffer
        platform::MMControl control;
        ModPlay::PlayWaveFile(control, file, ModPlay::SoundOnly);
        const double heard = monitor().since(click);
        state.SetIterationTime(heard);
        QThread::msleep(200);
    }
}

void ClickToSound_BareQAudioSink(benchmark::State &state)
{
    if (!monitor().usable()) {
        state.SkipWithError("no test sink (run under scripts/test's sound server)");
        return;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    QByteArray tone = shortTone();
    for (auto _ : state) {
        monitor().arm();
        const auto click = Clock::now();
        QBuffer source(&tone);
        source.open(QIODevice::ReadOnly);
        QAudioSink sink(QMediaDevices::defaultAudioOutput(), format);
        sink.start(&source);
        const double heard = monitor().since(click);
        state.SetIterationTime(heard);
        sink.stop();
        QThread::msleep(200);
    }
}

} // namespace

BENCHMARK(ClickToSound_Player)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);
BENCHMARK(ClickToSound_BareQAudioSink)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);
