#pragma once

#include "common/TonePath.h"

#include <cstdint>
#include <functional>
#include <vector>

// What the listening-test panels take from the program or control that hosts them.
struct PanelOptions {
    // The reference amplitude of a tone at 0 dB, read afresh before every tone.
    std::function<std::int32_t()> level;
    // Bar value at each bar's top end, index 1 for bar 1; empty: the panel's own.
    std::vector<int> barTops;
    TonePath::Policy tone{ModPlay::SoundOnly};
    // "Close" to the panel's control when the panel goes.
    bool closesOnDestroy = false;
};
