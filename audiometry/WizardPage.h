#pragma once

#include "common/SampleChunks.h"
#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QDialog>

#include <cstdint>

class QPushButton;

// What the three calibration pages have in common: the two buttons at the bottom, their own
// multimedia control and the 1000 Hz tone on both ears.
class WizardPage : public QDialog {
    Q_OBJECT
public:
    QPushButton *OKButton;
    QPushButton *CancelButton;
    platform::MMControl MMControl2{QStringLiteral("MMControl2")};

    virtual void OKButton_Click() = 0;
    virtual void CancelButton_Click() = 0;

    static constexpr float CalibrationFrequency = 1000;

protected:
    WizardPage(const QString &caption, const QString &okCaption, const QString &cancelCaption);

    // Hourglass, the tone, "dummy.wav", the control ending with "Close", deletion, pointer back.
    void playTone(std::int32_t amplitude, std::int32_t sampleCount);

    // Esc acts as the cancel button; the close box ends the wizard on this page.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    virtual void closeBox() { hide(); }

private:
    WaveFormat m_format;
    SampleChunks m_chunks;
};
