#include "DialogPref1.h"

#include "DialogPref2.h"
#include "ModFrequenztest.h"
#include "audiometry/WizardPages.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace varnik {

using platform::setTwipsGeometry;

void levelPageTone(std::int32_t amplitude, SampleChunks &chunks)
{
    ModFrequenztest::GenerateSineTone(float(amplitude), WizardPage::CalibrationFrequency, chunks);
}

DialogPref1::DialogPref1()
    : WizardPage(QStringLiteral("Voreinstellungen"), QStringLiteral("Weiter ->"), QStringLiteral("Abbrechen"),
                 levelPageTone)
    , Label1(new QLabel(QStringLiteral("1. Klicken Sie bitte hier, um einen Testton ausgeben zu lassen:"), this))
    , Command1(new QPushButton(QStringLiteral("Testton"), this))
    , Label2(new QLabel(
          QStringLiteral("2. Stellen Sie Ihre Lautsprecher / Ihren Kopfhörer auf die gewünschte Lautstärke ein."), this))
{
    setTwipsGeometry(Label1, 120, 240, 5895, 375);
    setTwipsGeometry(Command1, 1275, 840, 3480, 855);
    setTwipsGeometry(Label2, 120, 1920, 5775, 375);
    // this platform's wider font needs a second line
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->resize(Label2->width(), std::max(Label2->height(), Label2->heightForWidth(Label2->width())));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void DialogPref1::Command1_Click()
{
    playTone(TestToneAmplitude, ToneSampleCount);
}

void DialogPref1::OKButton_Click()
{
    WizardPages::forward(this, &DialogPref2::instance());
}

void DialogPref1::CancelButton_Click()
{
    unload();
}

} // namespace varnik
