#include "SineSettings.h"

#include "demos/frame/SettingsRecord.h"

QByteArray SineSettings::record() const
{
    return demos::SettingsWriter().int16(amplitudeStep).int16(frequency).int16(duration).record();
}

SineSettings SineSettings::read(demos::SettingsReader &record)
{
    SineSettings settings;
    settings.amplitudeStep = record.int16();
    settings.frequency = record.int16();
    settings.duration = record.int16();
    return settings;
}
