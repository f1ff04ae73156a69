#pragma once

#include <QByteArray>

#include <cstdint>

namespace demos {
class SettingsReader;
}

// The settings record of Diraz, 6 bytes.
struct SineSettings {
    std::int16_t amplitudeStep = 0;  // VScroll1, 0..9
    std::int16_t frequency = 0;      // HScroll1, 0..20000 Hz
    std::int16_t duration = 0;       // HScroll2, 1..9 s

    QByteArray record() const;
    static SineSettings read(demos::SettingsReader &record);
};
