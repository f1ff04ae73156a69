#include "MonitorRecording.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace testing_support {

MonitorRecording::MonitorRecording(const QString &sink)
    : m_file(QDir::temp().filePath(QStringLiteral("velmora-monitor-XXXXXX.raw")))
{
    if (!m_file.open())
        return;
    m_parec.setProgram(QStringLiteral("parec"));
    m_parec.setArguments({QStringLiteral("-d"), sink + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                          QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
    m_parec.setStandardOutputFile(m_file.fileName());
    m_parec.start();
    if (!m_parec.waitForStarted(5000))
        return;
    // recording once the first bytes come: a busy machine may take far longer than usual to
    // connect the stream, and a tone played before then would go unheard
    const QDeadlineTimer deadline(10000);
    while (m_file.size() == 0 && !deadline.hasExpired() && m_parec.state() == QProcess::Running)
        QThread::msleep(5);
    m_started = m_file.size() > 0;
}

QByteArray MonitorRecording::stop()
{
    QThread::msleep(300);
    m_parec.terminate();
    m_parec.waitForFinished(5000);
    m_file.seek(0);
    return m_file.readAll();
}

} // namespace testing_support
