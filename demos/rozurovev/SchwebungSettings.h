#pragma once

#include <QByteArray>

#include <cstdint>

namespace demos {
class SettingsReader;
}

namespace rozurovev {

// The settings record of Rozurovev, 10 bytes, written as record 1 of a random-access file.
struct SchwebungSettings {
    float frequency1 = 0;       // Text1, in Hz
    std::int16_t offset = 0;    // HScroll2, f2 − f1, −20..20 Hz
    std::int16_t duration = 0;  // HScroll1, 1..9 s
    std::int16_t level = 0;     // HScroll3, 0..10

    QByteArray record() const;
    static SchwebungSettings read(demos::SettingsReader &record);
};

} // namespace rozurovev
