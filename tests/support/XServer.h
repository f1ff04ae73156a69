#pragma once

#include <QProcess>
#include <QString>

namespace testing_support {

// A private X server (Xvfb) on a display it picks itself, for as long as this lives.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // ":N", or empty when the server did not start
    const QString &display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace testing_support
