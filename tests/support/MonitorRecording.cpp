#include "MonitorRecording.h"

#include <QThread>

namespace testing_support {

MonitorRecording::MonitorRecording(const QString &sink)
{
    m_parec.setProgram(QStringLiteral("parec"));
    m_parec.setArguments({QStringLiteral("-d"), sink + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                          QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
    m_parec.start();
    m_started = m_parec.waitForStarted(5000);
    QThread::msleep(300);  // let the stream connect before anything plays
}

QByteArray MonitorRecording::stop()
{
    QThread::msleep(300);
    m_parec.terminate();
    m_parec.waitForFinished(5000);
    return m_parec.readAllStandardOutput();
}

} // namespace testing_support
