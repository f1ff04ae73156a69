#include "WizardPage.h"

#include "Modtest.h"
#include "common/TonePath.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QPushButton>

using platform::setTwipsGeometry;

WizardPage::WizardPage(const QString &caption, const QString &okCaption, const QString &cancelCaption,
                       ToneGenerator tone)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , OKButton(new QPushButton(okCaption, this))
    , CancelButton(new QPushButton(cancelCaption, this))
    , m_tone(std::move(tone))
{
    setWindowTitle(caption);
    setFixedSize(platform::twipsRect(0, 0, 6030, 3195).size());
    setTwipsGeometry(CancelButton, 600, 2640, 1215, 375);
    setTwipsGeometry(OKButton, 4200, 2640, 1215, 375);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void WizardPage::calibrationTone(std::int32_t amplitude, SampleChunks &chunks)
{
    Modtest::MakeToneBoth(amplitude, CalibrationFrequency, chunks);
}

void WizardPage::playTone(std::int32_t amplitude, std::int32_t sampleCount)
{
    FillStandardFormat(m_format);
    TonePath::play(MMControl2, TonePath::Policy{ModPlay::SoundThenClose},
                   TonePath::toneFile(m_format, sampleCount, [&](SampleChunks &chunks) { m_tone(amplitude, chunks); }));
}

void WizardPage::reject()
{
    CancelButton->click();
}

void WizardPage::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeBox();
}
