#pragma once

#include "platform/DesignControls.h"

#include <cstdint>

class QLabel;
class QPushButton;
class QWidget;

namespace controls {

// The level block a hosted listening panel shows in place of the calibration pages: "Pegelton"
// plays a 2000 Hz tone, the fine slider a short one at its own level.
struct HostedLevelBlock {
    static constexpr float LevelToneFrequency = 2000;
    static constexpr std::int32_t LevelToneSampleCount = 132300;
    static constexpr std::int32_t FineToneSampleCount = 44100;

    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label16 = nullptr;
    platform::ScrollBar *HScroll1 = nullptr;

    // Captions from `labelLeft`, button and slider from `controlLeft`, the first caption at `top`;
    // no handlers yet.
    void designLevelBlock(QWidget *panel, int labelLeft, int controlLeft, int top,
                          const platform::ScrollBarDesign &slider, const QString &buttonTip);
};

} // namespace controls
