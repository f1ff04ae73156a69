#pragma once

#include "common/SampleChunks.h"
#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QPushButton;

// What the calibration pages have in common: the two buttons at the bottom, their own
// multimedia control and their tone.
class WizardPage : public QDialog {
    Q_OBJECT
public:
    QPushButton *OKButton;
    QPushButton *CancelButton;
    platform::MMControl MMControl2{QStringLiteral("MMControl2")};

    virtual void OKButton_Click() = 0;
    virtual void CancelButton_Click() = 0;

    static constexpr float CalibrationFrequency = 1000;

    // Synthesises a page's tone of the given amplitude.
    using ToneGenerator = std::function<void(std::int32_t amplitude, SampleChunks &chunks)>;
    // The 1000 Hz tone on both ears of the output-level wizard.
    static void calibrationTone(std::int32_t amplitude, SampleChunks &chunks);

protected:
    WizardPage(const QString &caption, const QString &okCaption, const QString &cancelCaption,
               ToneGenerator tone = calibrationTone);

    // The page's tone through the tone path, its control ending with "Close".
    void playTone(std::int32_t amplitude, std::int32_t sampleCount);

    // Esc acts as the cancel button; the close box ends the wizard on this page.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    virtual void closeBox() { hide(); }

private:
    ToneGenerator m_tone;
    WaveFormat m_format;
};
