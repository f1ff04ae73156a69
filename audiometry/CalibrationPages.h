#pragma once

#include "FormMain.h"

#include <cstdint>

// The output-level pages as Zezevav's and Limbra's main windows use them.
namespace CalibrationPages {

// 16384 / 512: the reference amplitude of the default output level.
inline constexpr std::int32_t DefaultTestValue = 32;

// TestValue of the last page: the reference amplitude of every test tone.
std::int32_t referenceAmplitude();

// The pages at start (the last one loaded, TestValue 32, then the first one modally), from
// "Voreinstellungen...", and unloaded with the window.
void attach(FormMain::Options &options);

} // namespace CalibrationPages
