#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

namespace testing_support {

// Records the null sink's monitor as raw 16-bit stereo at 44100 Hz while it runs.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString &sink);
    bool started() const { return m_started; }
    QByteArray stop();

private:
    // parec writes here rather than into a pipe: nobody reads a pipe while a test waits, and
    // parec, blocked on a full one, loses what it holds when it is stopped
    QTemporaryFile m_file;
    QProcess m_parec;
    bool m_started = false;
};

} // namespace testing_support
