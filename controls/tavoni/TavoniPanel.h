#pragma once

#include "audiometry/UCHTest.h"

#include "controls/HostedLevelBlock.h"

namespace tavoni {

// The audiometry panel as a control: a level block ("Pegelton" and a fine slider) in place of
// the calibration pages, quieter bar tops, and the tone file kept per user.
class TavoniPanel : public UCHTest, public controls::HostedLevelBlock {
    Q_OBJECT
public:
    explicit TavoniPanel(QWidget *parent = nullptr);

    void Command1_Click();
    void HScroll1_Change();

private:
    void setLevelBlockVisible(bool visible);
    // Both channels at 10 × level, 2000 Hz.
    void playLevelTone(std::int32_t level, std::int32_t sampleCount);
};

} // namespace tavoni
