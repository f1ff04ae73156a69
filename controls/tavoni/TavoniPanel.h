#pragma once

#include "audiometry/UCHTest.h"

class QLabel;
class QPushButton;
namespace platform {
class ScrollBar;
}

namespace tavoni {

// The audiometry panel as a control: a level block ("Pegelton" and a fine slider) in place of
// the calibration pages, quieter bar tops, and the tone file kept per user.
class TavoniPanel : public UCHTest {
    Q_OBJECT
public:
    explicit TavoniPanel(QWidget *parent = nullptr);

    static constexpr std::array<int, Bars + 1> BarTops = LevelBars::ControlTop;
    static constexpr float LevelToneFrequency = 2000;
    static constexpr std::int32_t LevelToneSampleCount = 132300;
    static constexpr std::int32_t FineToneSampleCount = 44100;

    QLabel *Label14;
    QLabel *Label15;
    QPushButton *Command1;
    QLabel *Label16;
    platform::ScrollBar *HScroll1;

    void Command1_Click();
    void HScroll1_Change();
    void Command6_Click() override;
    void Command4_Click() override;

private:
    void setLevelBlockVisible(bool visible);
    // Both channels at 10 × level, 2000 Hz.
    void playLevelTone(std::int32_t level, std::int32_t sampleCount);
};

} // namespace tavoni
