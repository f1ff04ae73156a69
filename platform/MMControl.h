#pragma once

#include <QString>

namespace platform {

// The multimedia control a window sites: written property by property, never read back by
// the handlers. Every write goes to services(), which plays on "Sound".
class MMControl {
public:
    explicit MMControl(QString name = QStringLiteral("MMControl1"));

    void setDeviceType(const QString &deviceType);
    void setFileName(const QString &fileName);
    void setFlag1(bool on);
    void setFlag2(bool on);
    // "Open", "Sound" or "Close"; "Sound" returns once the file has played.
    void setCommand(const QString &command);

    const QString &name() const { return m_name; }
    const QString &deviceType() const { return m_deviceType; }
    const QString &fileName() const { return m_fileName; }

private:
    QString m_name;
    QString m_deviceType;
    QString m_fileName;
};

} // namespace platform
