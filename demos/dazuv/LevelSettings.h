#pragma once

#include <QByteArray>

#include <cstdint>

namespace demos {
class SettingsReader;
}

namespace dazuv {

// The settings record of Dazuv, 6 bytes.
struct LevelSettings {
    std::int16_t levelDifference = 0;  // HScroll1, 0..100 dB
    std::int16_t duration = 0;         // HScroll2, 1..10 s
    std::int16_t loudness = 0;         // HScroll3, 1..10

    QByteArray record() const;
    static LevelSettings read(demos::SettingsReader &record);
};

} // namespace dazuv
