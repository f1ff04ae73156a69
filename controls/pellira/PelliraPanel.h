#pragma once

#include "controls/HostedLevelBlock.h"
#include "thresholds/limbra/UCLimbra.h"

namespace pellira {

// The hearing-threshold panel as a control: a level block ("Pegelton" and a fine slider from
// −10 to 10) gives the reference amplitude, the bars reach 16 dB higher, and the tone file is
// kept per user. Only "Pegelton" shows the hourglass.
class PelliraPanel : public limbra::UCLimbra, public controls::HostedLevelBlock {
    Q_OBJECT
public:
    explicit PelliraPanel(QWidget *parent = nullptr);

    static constexpr std::int32_t LevelToneAmplitude = 100;
    // bar tones and the fine tone; "Pegelton" adds the hourglass
    static constexpr TonePath::Policy TonePolicy = HostedTone;

    // the play routine of every tone; never shown
    QPushButton *Command2;

    void Command1_Click();
    void HScroll1_Change();
    void Command2_Click();

private:
    void setLevelControlsVisible(bool visible);
    void playThroughCommand2();
    // Both channels at amplitude A, 2000 Hz.
    void playLevelTone(const TonePath::Policy &policy, std::int32_t A, std::int32_t sampleCount);
};

} // namespace pellira
