#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace testing_support {

// Records the null sink's monitor as raw 16-bit stereo at 44100 Hz while it runs.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString &sink);
    bool started() const { return m_started; }
    QByteArray stop();

private:
    QProcess m_parec;
    bool m_started = false;
};

} // namespace testing_support
