#pragma once

#include <QByteArray>

#include <cstdint>

namespace demos {
class SettingsReader;
}

namespace platform {
class ScrollBar;
}

namespace zanter {

// The record holds the modulation depth in tenths.
inline constexpr int DepthSteps = 10;

// The five sliders a modulation window saves, by their names in Zanter and Koliva alike.
struct ModulationSliders {
    platform::ScrollBar *HScroll1;  // duration
    platform::ScrollBar *HScroll2;  // loudness
    platform::ScrollBar *VScroll2;  // depth × 10
    platform::ScrollBar *VScroll3;  // carrier
    platform::ScrollBar *VScroll4;  // modulating frequency
};

// The settings record of Zanter, and of Koliva: 10 bytes.
struct FMSettings {
    std::int16_t duration = 0;
    std::int16_t loudness = 0;
    std::int16_t depth = 0;
    std::int16_t carrier = 0;
    std::int16_t modulation = 0;

    QByteArray record() const;
    static FMSettings read(demos::SettingsReader &record);

    static FMSettings of(const ModulationSliders &sliders);
    // In the record's order; a slider that refuses its value throws and the later ones keep theirs.
    void applyTo(const ModulationSliders &sliders) const;
};

} // namespace zanter
