#include "DialogPref2.h"

#include "DialogPref.h"
#include "DialogPref1.h"
#include "WizardPages.h"
#include "platform/Convert.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>

using platform::setTwipsGeometry;

DialogPref2::DialogPref2()
    : WizardPage(QStringLiteral("Voreinstellungen - Feinabstimmung"), QStringLiteral("Ok"), QStringLiteral("<- Zurück"))
    , Label1(new QLabel(QStringLiteral("3.Möglichkeit zur Feinabstimmung der Lautstärke:"), this))
    , HScroll1(new platform::ScrollBar(Qt::Horizontal, this))
{
    setTwipsGeometry(Label1, 120, 240, 5775, 375);
    setTwipsGeometry(HScroll1, 1148, 1200, 3735, 255);
    // falls from 200 at the left end to 100 at the right end: further right is louder
    HScroll1->setRange(200, 100);
    HScroll1->setSmallChange(1);
    HScroll1->setLargeChange(3);
    HScroll1->setValue(100);
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
}

std::int32_t DialogPref2::testValue(std::int32_t ampValue, int slider)
{
    return std::int32_t(platform::Convert::roundHalfEven((double(ampValue) / 512) / (double(slider) / 100)));
}

void DialogPref2::Form_Load()
{
    TestValue = testValue(DialogPref::instance().AmpValue, HScroll1->value());
}

void DialogPref2::HScroll1_Change()
{
    Form_Load();
    playTone(TestValue, ToneSampleCount);
}

void DialogPref2::OKButton_Click()
{
    hide();
}

void DialogPref2::CancelButton_Click()
{
    WizardPages::back(this, &DialogPref1::instance());
}
