#include "WizardPage.h"

#include "Modtest.h"
#include "ToneFile.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QPushButton>

using platform::setTwipsGeometry;

WizardPage::WizardPage(const QString &caption, const QString &okCaption, const QString &cancelCaption)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , OKButton(new QPushButton(okCaption, this))
    , CancelButton(new QPushButton(cancelCaption, this))
{
    setWindowTitle(caption);
    setFixedSize(platform::twipsRect(0, 0, 6030, 3195).size());
    setTwipsGeometry(CancelButton, 600, 2640, 1215, 375);
    setTwipsGeometry(OKButton, 4200, 2640, 1215, 375);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void WizardPage::playTone(std::int32_t amplitude, std::int32_t sampleCount)
{
    const platform::ScopedHourglass hourglass;
    FillStandardFormat(m_format);
    Modtest::MakeToneBoth(amplitude, CalibrationFrequency, m_chunks);
    if (!ToneFile::write(m_format, m_chunks, sampleCount))
        return;
    ToneFile::play(MMControl2, ModPlay::SoundThenClose);
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
