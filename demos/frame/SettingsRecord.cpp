#include "SettingsRecord.h"

#include <QtEndian>

#include <bit>

namespace demos {

SettingsWriter &SettingsWriter::int16(std::int16_t value)
{
    return uint16(std::uint16_t(value));
}

SettingsWriter &SettingsWriter::uint16(std::uint16_t value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    m_record.append(raw, 2);
    return *this;
}

SettingsWriter &SettingsWriter::single(float value)
{
    char raw[4];
    qToLittleEndian(std::bit_cast<std::uint32_t>(value), raw);
    m_record.append(raw, 4);
    return *this;
}

SettingsWriter &SettingsWriter::bytes(const QByteArray &value)
{
    m_record.append(value);
    return *this;
}

SettingsReader::SettingsReader(QByteArray file)
    : m_file(std::move(file))
{
}

QByteArray SettingsReader::take(int count)
{
    QByteArray field = m_file.mid(m_position, count);
    field.resize(count, '\0');
    m_position += count;
    return field;
}

std::int16_t SettingsReader::int16()
{
    return std::int16_t(uint16());
}

std::uint16_t SettingsReader::uint16()
{
    return qFromLittleEndian<std::uint16_t>(take(2).constData());
}

float SettingsReader::single()
{
    return std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(take(4).constData()));
}

QByteArray SettingsReader::bytes(int count)
{
    return take(count);
}

} // namespace demos
