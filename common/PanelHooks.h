#pragma once

#include "TonePath.h"

#include <functional>

// Work of a host at fixed moments of a panel it sites, given to the panel's constructor. An empty
// hook leaves the panel's own behaviour; each panel says which hooks it calls and where.
struct PanelHooks {
    // by "Test starten", once the panel has done its own work
    std::function<void()> started{};
    // by "Test wiederholen", once the chart is put away and "Test starten" is back
    std::function<void()> repeated{};
    // by the last "OK", before the chart is drawn
    std::function<void()> finished{};
    // plays each written tone; empty: the tone policy's sequence on the panel's control
    TonePath::Player playFile{};
    // what the play button does in place of the panel's own playing
    std::function<void()> play{};

    // Runs a hook of a moment, where the host gave one.
    static void run(const std::function<void()> &hook)
    {
        if (hook)
            hook();
    }
};
