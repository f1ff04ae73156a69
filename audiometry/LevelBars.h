#pragma once

#include "platform/DesignControls.h"

#include <QString>

#include <array>

// The level bars of the listening-test panels: one per test frequency, its value in dB relative
// to the frequency's normal threshold, the larger value at the top.
namespace LevelBars {

inline constexpr int Bars = 11;
// Bar value at the top end, index 1 for bar 1: no tone louder than 54 dB.
inline constexpr std::array<int, Bars + 1> Top{0, 14, 29, 40, 48, 51, 54, 59, 58, 54, 40, 44};
// The hosted controls' bars reach up to 16 dB higher: no tone louder than 70 dB.
inline constexpr std::array<int, Bars + 1> ControlTop{0, 30, 45, 50, 60, 60, 60, 60, 60, 60, 50, 50};
inline constexpr int Bottom = -10;
inline constexpr int DesignValue = -5;

inline platform::ScrollBarDesign design(int top)
{
    return platform::ScrollBarDesign{top, Bottom, 1, 3, DesignValue};
}

// The "OK" buttons' tooltips, typos as the panels have always shown them.
inline QString okToolTip(int bar)
{
    return bar == 3 ? QStringLiteral("aktuellen Weret bestätigen")
         : bar == 5 ? QStringLiteral("aktuellen wert bestätigen")
                    : QStringLiteral("aktuellen Wert bestätigen");
}

} // namespace LevelBars
