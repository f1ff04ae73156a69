#pragma once

#include "SingleForm.h"
#include "WizardPage.h"

#include <cstdint>

class QLabel;
namespace platform {
class ScrollBar;
}

// Third calibration page: fine correction. Its TestValue is the reference amplitude of every
// test tone.
class DialogPref2 : public WizardPage, public SingleForm<DialogPref2> {
    Q_OBJECT
public:
    DialogPref2();

    // 0 to 64: (AmpValue / 512) / (slider / 100), ties to even.
    std::int32_t TestValue = 0;

    QLabel *Label1;
    platform::ScrollBar *HScroll1;

    void Form_Load();
    void HScroll1_Change();
    void OKButton_Click() override;
    void CancelButton_Click() override;

    static std::int32_t testValue(std::int32_t ampValue, int slider);

    static constexpr std::int32_t ToneSampleCount = 44100;
};
