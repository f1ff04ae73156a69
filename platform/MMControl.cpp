#include "MMControl.h"

#include "NestedLoops.h"
#include "Services.h"

namespace platform {

MMControl::MMControl(QString name)
    : m_name(std::move(name))
{
}

void MMControl::setDeviceType(const QString &deviceType)
{
    m_deviceType = deviceType;
    services().multimediaWrite(m_name, m_fileName, MciProperty::DeviceType, deviceType);
}

void MMControl::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    services().multimediaWrite(m_name, m_fileName, MciProperty::FileName, fileName);
}

void MMControl::setFlag1(bool on)
{
    services().multimediaWrite(m_name, m_fileName, MciProperty::Flag1, on);
}

void MMControl::setFlag2(bool on)
{
    services().multimediaWrite(m_name, m_fileName, MciProperty::Flag2, on);
}

void MMControl::setCommand(const QString &command)
{
    // "Sound" runs other events until the file has played
    const NestedLoops::Scope waiting;
    services().multimediaWrite(m_name, m_fileName, MciProperty::Command, command);
}

} // namespace platform
