#pragma once

#include "audiometry/SingleForm.h"
#include "audiometry/WizardPage.h"

#include <cstdint>

class QLabel;

namespace varnik {

// First level page: a fixed test tone to set the loudspeakers or headphones by.
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

    static constexpr std::int32_t TestToneAmplitude = 1000;
    static constexpr std::int32_t ToneSampleCount = 132300;
};

// The pages' 1000 Hz sine at the amplitude given.
void levelPageTone(std::int32_t amplitude, SampleChunks &chunks);

} // namespace varnik
