#include "KlangSettings.h"

#include "demos/frame/SettingsRecord.h"

#include <QList>

namespace rovad {

namespace {

// One byte per character, also for a character that takes two UTF-16 units.
QByteArray latin1(const QString &text)
{
    QByteArray bytes;
    for (char32_t c : text.toUcs4())
        bytes.append(c <= 0xFF ? char(c) : '?');
    return bytes;
}

} // namespace

QByteArray KlangSettings::record() const
{
    const QByteArray bytes = latin1(text);
    demos::SettingsWriter writer;
    for (std::int16_t amplitude : amplitudes)
        writer.int16(amplitude);
    return writer.uint16(std::uint16_t(bytes.size())).bytes(bytes).int16(duration).record();
}

KlangSettings KlangSettings::read(demos::SettingsReader &record)
{
    KlangSettings settings;
    for (std::int16_t &amplitude : settings.amplitudes)
        amplitude = record.int16();
    const std::uint16_t length = record.uint16();
    settings.text = QString::fromLatin1(record.bytes(length));
    settings.duration = record.int16();
    return settings;
}

} // namespace rovad
