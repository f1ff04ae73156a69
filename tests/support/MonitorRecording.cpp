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
    // recording once the first bytes come: a busy machine may take far longer than usual to
    // connect the stream, and a tone played before then would go unheard
    m_started = m_parec.waitForStarted(5000) && m_parec.waitForReadyRead(10000);
}

QByteArray MonitorRecording::stop()
{
    QThread::msleep(300);
    m_parec.terminate();
    m_parec.waitForFinished(5000);
    return m_parec.readAllStandardOutput();
}

} // namespace testing_support
