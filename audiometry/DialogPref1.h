#pragma once

#include "SingleForm.h"
#include "WizardPage.h"

#include <cstdint>

class QLabel;

// Second calibration page: a quiet reference tone to set the loudspeakers to the threshold.
class DialogPref1 : public WizardPage, public SingleForm<DialogPref1> {
    Q_OBJECT
public:
    DialogPref1();

    QLabel *Label1;
    QPushButton *Command1;
    QLabel *Label2;

    void Command1_Click();
    void OKButton_Click() override;
    void CancelButton_Click() override;

    // The reference tone's amplitude for an output amplitude: AmpValue / 512, ties to even.
    static std::int32_t referenceAmplitude(std::int32_t ampValue);

    static constexpr std::int32_t ToneSampleCount = 132300;
};
