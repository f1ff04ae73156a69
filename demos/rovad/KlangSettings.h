#pragma once

#include "modKlang.h"

#include <QByteArray>
#include <QString>

namespace demos {
class SettingsReader;
}

namespace rovad {

// The settings record of Rovad: fifteen amplitudes, the frequency text with its length in
// front, one byte per character in Latin-1, then the duration; 34 + L bytes.
struct KlangSettings {
    KlangAmplitudes amplitudes{};  // VScroll1 0 to 14, 0..100 %
    QString text;                  // Text16
    std::int16_t duration = 0;     // HScroll1, 2..10 s

    // A character outside Latin-1 is saved as "?".
    QByteArray record() const;
    static KlangSettings read(demos::SettingsReader &record);
};

} // namespace rovad
