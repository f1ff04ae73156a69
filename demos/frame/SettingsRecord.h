#pragma once

#include <QByteArray>

#include <cstdint>

namespace demos {

// Builds a settings record field by field, little-endian, without padding.
class SettingsWriter {
public:
    SettingsWriter &int16(std::int16_t value);
    SettingsWriter &uint16(std::uint16_t value);
    SettingsWriter &single(float value);
    SettingsWriter &bytes(const QByteArray &value);

    const QByteArray &record() const { return m_record; }

private:
    QByteArray m_record;
};

// Reads a record field by field; bytes the file does not hold read as zero.
class SettingsReader {
public:
    explicit SettingsReader(QByteArray file);

    std::int16_t int16();
    std::uint16_t uint16();
    float single();
    QByteArray bytes(int count);

private:
    QByteArray take(int count);

    QByteArray m_file;
    qsizetype m_position = 0;
};

} // namespace demos
