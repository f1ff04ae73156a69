#include "LevelSettings.h"

#include "demos/frame/SettingsRecord.h"

namespace dazuv {

QByteArray LevelSettings::record() const
{
    return demos::SettingsWriter().int16(levelDifference).int16(duration).int16(loudness).record();
}

LevelSettings LevelSettings::read(demos::SettingsReader &record)
{
    LevelSettings settings;
    settings.levelDifference = record.int16();
    settings.duration = record.int16();
    settings.loudness = record.int16();
    return settings;
}

} // namespace dazuv
