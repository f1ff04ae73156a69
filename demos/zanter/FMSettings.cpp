#include "FMSettings.h"

#include "demos/frame/SettingsRecord.h"
#include "platform/ScrollBar.h"

namespace zanter {

QByteArray FMSettings::record() const
{
    return demos::SettingsWriter().int16(duration).int16(loudness).int16(depth).int16(carrier).int16(modulation).record();
}

FMSettings FMSettings::read(demos::SettingsReader &record)
{
    FMSettings settings;
    settings.duration = record.int16();
    settings.loudness = record.int16();
    settings.depth = record.int16();
    settings.carrier = record.int16();
    settings.modulation = record.int16();
    return settings;
}

FMSettings FMSettings::of(const ModulationSliders &sliders)
{
    return {std::int16_t(sliders.HScroll1->value()), std::int16_t(sliders.HScroll2->value()),
            std::int16_t(sliders.VScroll2->value()), std::int16_t(sliders.VScroll3->value()),
            std::int16_t(sliders.VScroll4->value())};
}

void FMSettings::applyTo(const ModulationSliders &sliders) const
{
    sliders.HScroll1->setValue(duration);
    sliders.HScroll2->setValue(loudness);
    sliders.VScroll2->setValue(depth);
    sliders.VScroll3->setValue(carrier);
    sliders.VScroll4->setValue(modulation);
}

} // namespace zanter
