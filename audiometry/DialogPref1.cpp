#include "DialogPref1.h"

#include "DialogPref.h"
#include "DialogPref2.h"
#include "WizardPages.h"
#include "platform/Convert.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

using platform::setTwipsGeometry;

DialogPref1::DialogPref1()
    : WizardPage(QStringLiteral("Voreinstellungen - Einpegeln"), QStringLiteral("Weiter ->"), QStringLiteral("<- Zurück"))
    , Label1(new QLabel(QStringLiteral("1. Klicken Sie bitte hier, um einen Testton ausgeben zu lassen:"), this))
    , Command1(new QPushButton(QStringLiteral("Testton"), this))
    , Label2(new QLabel(QStringLiteral("2. Stellen Sie die Lautstärke der Lautsprecher / des Kopfhörers so ein, dass Sie "
                                       "gerade noch den Testton hören können"),
                        this))
{
    setTwipsGeometry(Label1, 120, 240, 5775, 375);
    setTwipsGeometry(Command1, 1275, 720, 3480, 615);
    setTwipsGeometry(Label2, 120, 1560, 5775, 735);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

std::int32_t DialogPref1::referenceAmplitude(std::int32_t ampValue)
{
    return std::int32_t(platform::Convert::roundHalfEven(double(ampValue) / 512));
}

void DialogPref1::Command1_Click()
{
    playTone(referenceAmplitude(DialogPref::instance().AmpValue), ToneSampleCount);
}

void DialogPref1::OKButton_Click()
{
    WizardPages::forward(this, &DialogPref2::instance());
}

void DialogPref1::CancelButton_Click()
{
    WizardPages::back(this, &DialogPref::instance());
}
