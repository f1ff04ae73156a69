#pragma once

// What Vevuzevu's plot tests and window tests share, without widgets.

#include <QColor>

namespace demo_tests {

// The colours a student is shown, harmonics 1 to 4 and the sum, not the program's own table.
inline const QColor HarmonicColors[4] = {QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255), QColor(255, 0, 255)};
inline const QColor SumColor(255, 0, 0);

// The boxes' inside at 3495 × 3255 twips within their sunken frames.
inline constexpr int W = 229;
inline constexpr int H = 213;

} // namespace demo_tests
