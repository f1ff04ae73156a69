#include "SpektrumSettings.h"

#include "demos/frame/SettingsRecord.h"

namespace vevuzevu {

QByteArray SpektrumSettings::record() const
{
    demos::SettingsWriter writer;
    for (std::int16_t amplitude : amplitudes)
        writer.int16(amplitude);
    return writer.int16(frequency).int16(duration).record();
}

SpektrumSettings SpektrumSettings::read(demos::SettingsReader &record)
{
    SpektrumSettings settings;
    for (std::int16_t &amplitude : settings.amplitudes)
        amplitude = record.int16();
    settings.frequency = record.int16();
    settings.duration = record.int16();
    return settings;
}

} // namespace vevuzevu
