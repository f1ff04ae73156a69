#include "XServer.h"

namespace testing_support {

XServer::XServer()
{
    // the server writes its display number once it accepts clients
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    while (m_server.waitForReadyRead(10000) && !m_server.canReadLine()) {
    }
    const QByteArray number = m_server.readLine().trimmed();
    if (!number.isEmpty())
        m_display = QStringLiteral(":") + QString::fromLatin1(number);
}

XServer::~XServer()
{
    m_server.kill();
    m_server.waitForFinished();
}

} // namespace testing_support
