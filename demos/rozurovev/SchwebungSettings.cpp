#include "SchwebungSettings.h"

#include "demos/frame/SettingsRecord.h"

namespace rozurovev {

QByteArray SchwebungSettings::record() const
{
    return demos::SettingsWriter().single(frequency1).int16(offset).int16(duration).int16(level).record();
}

SchwebungSettings SchwebungSettings::read(demos::SettingsReader &record)
{
    SchwebungSettings settings;
    settings.frequency1 = record.single();
    settings.offset = record.int16();
    settings.duration = record.int16();
    settings.level = record.int16();
    return settings;
}

} // namespace rozurovev
