#include "DialogPref2.h"

#include "DialogPref1.h"
#include "UCVarnik.h"
#include "audiometry/WizardPages.h"
#include "platform/DesignControls.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>

namespace varnik {

using platform::setTwipsGeometry;

DialogPref2::DialogPref2()
    : WizardPage(QStringLiteral("Voreinstellungen - Feinabstimmung"), QStringLiteral("Ok"), QStringLiteral("<- Zurück"),
                 levelPageTone)
    , Label1(new QLabel(QStringLiteral("3. Stellen Sie die Ausgabelautstärke des Programms ein:"), this))
    , HScroll1(platform::designScrollBar(this, Qt::Horizontal, QRect(1148, 1200, 3735, 255), {500, 2000, 1, 3, UCVarnik::DesignLevel}))
{
    setTwipsGeometry(Label1, 120, 240, 4695, 375);
    platform::fitToText(Label1);
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
}

float DialogPref2::level()
{
    return float(instance().HScroll1->value());
}

void DialogPref2::HScroll1_Change()
{
    playTone(HScroll1->value(), ToneSampleCount);
}

void DialogPref2::OKButton_Click()
{
    hide();
}

void DialogPref2::CancelButton_Click()
{
    WizardPages::back(this, &DialogPref1::instance());
}

} // namespace varnik
