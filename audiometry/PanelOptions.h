#pragma once

#include "LevelBars.h"
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

// A hosted control leaves the pointer to its host and keeps its tone file.
inline constexpr TonePath::Policy HostedTone{ModPlay::SoundOnly, TonePath::Pointer::Untouched,
                                             TonePath::File::KeptPerUser};

// What a hosted control's panel takes: the level from a control of its own, read afresh before
// every tone, and bars reaching 16 dB higher than the programs'.
inline PanelOptions hostedPanelOptions(std::function<std::int32_t()> level)
{
    PanelOptions options;
    options.level = std::move(level);
    options.barTops.assign(LevelBars::ControlTop.begin(), LevelBars::ControlTop.end());
    options.tone = HostedTone;
    return options;
}
