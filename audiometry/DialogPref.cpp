#include "DialogPref.h"

#include "DialogPref1.h"
#include "WizardPages.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLocale>

using platform::setTwipsGeometry;

DialogPref::DialogPref()
    : WizardPage(QStringLiteral("Voreinstellungen - Lautstärke"), QStringLiteral("Weiter ->"), QStringLiteral("Abbrechen"))
    , Label1(new QLabel(QStringLiteral("Ausgabelautstärke des Programms:"), this))
    , HScroll1(new platform::ScrollBar(Qt::Horizontal, this))
    , Text1(new platform::TextBox(this))
{
    setTwipsGeometry(Label1, 120, 240, 5775, 375);
    setTwipsGeometry(HScroll1, 360, 1200, 3975, 255);
    setTwipsGeometry(Text1, 4560, 1170, 1095, 315);
    HScroll1->setRange(-16383, 16384);
    HScroll1->setSmallChange(328);
    HScroll1->setLargeChange(3280);
    HScroll1->setValue(1);
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    Text1->setColors(QColor(0, 255, 0), Qt::black);
    Text1->setLocked(true);
    Text1->setAlignment(Qt::AlignCenter);
}

void DialogPref::Form_Load()
{
    AmpValue = HScroll1->value() + SliderOffset;
    // the integer part, not the rounded percentage: the right end shows "99%"
    const int percent = int(double(AmpValue) / FullScale * 100);
    Text1->setText(QLocale().toString(percent) + QLatin1Char('%'));
}

void DialogPref::HScroll1_Change()
{
    Form_Load();
    playTone(AmpValue, ToneSampleCount);
}

void DialogPref::OKButton_Click()
{
    WizardPages::forward(this, &DialogPref1::instance());
}

void DialogPref::CancelButton_Click()
{
    unload();
}
