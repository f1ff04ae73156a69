#pragma once

#include "SingleForm.h"
#include "WizardPage.h"

#include <cstdint>

class QLabel;
namespace platform {
class ScrollBar;
class TextBox;
} // namespace platform

// First calibration page: the program's output amplitude.
class DialogPref : public WizardPage, public SingleForm<DialogPref> {
    Q_OBJECT
public:
    DialogPref();

    // 0 to 32767: the slider's value + 16383.
    std::int32_t AmpValue = 0;

    QLabel *Label1;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text1;

    void Form_Load();
    void HScroll1_Change();
    void OKButton_Click() override;
    void CancelButton_Click() override;

    static constexpr std::int32_t SliderOffset = 16383;
    static constexpr std::int32_t FullScale = 32768;
    static constexpr std::int32_t ToneSampleCount = 44100;

protected:
    void closeBox() override { CancelButton_Click(); }
};
