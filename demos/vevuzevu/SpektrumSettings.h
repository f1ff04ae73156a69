#pragma once

#include "ModSpektrum.h"

#include <QByteArray>

namespace demos {
class SettingsReader;
}

namespace vevuzevu {

// The settings record of Vevuzevu, 12 bytes.
struct SpektrumSettings {
    SpektrumAmplitudes amplitudes{};  // VScroll1 0 to 3, 0..100 %
    std::int16_t frequency = 0;       // HScroll1, 50..1000 Hz
    std::int16_t duration = 0;        // HScroll2, 1..10 s

    QByteArray record() const;
    static SpektrumSettings read(demos::SettingsReader &record);
};

} // namespace vevuzevu
