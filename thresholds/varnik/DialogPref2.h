#pragma once

#include "audiometry/SingleForm.h"
#include "audiometry/WizardPage.h"

#include <cstdint>

class QLabel;
namespace platform {
class ScrollBar;
}

namespace varnik {

// Second level page: the output level of every test tone, 500 to 2000.
class DialogPref2 : public WizardPage, public SingleForm<DialogPref2> {
    Q_OBJECT
public:
    DialogPref2();

    QLabel *Label1;
    platform::ScrollBar *HScroll1;

    void HScroll1_Change();
    void OKButton_Click() override;
    void CancelButton_Click() override;

    // The slider's value; the page is loaded unseen when it is not, so the level is then 1000.
    static float level();

    static constexpr std::int32_t ToneSampleCount = 44100;
};

} // namespace varnik
