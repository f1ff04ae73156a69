#include "ReadOut.h"

#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

namespace demos {

namespace {
const QColor ReadOutText(0x00, 0xFF, 0x00);
const QColor BlackGround(0x00, 0x00, 0x00);
const QColor DarkGreyGround(0x40, 0x40, 0x40);

QColor groundColor(ReadOutGround ground)
{
    return ground == ReadOutGround::Black ? BlackGround : DarkGreyGround;
}
} // namespace

void styleReadOut(platform::TextBox &box, ReadOutGround ground)
{
    box.setColors(ReadOutText, groundColor(ground));
}

void styleReadOut(QLabel &label, ReadOutGround ground)
{
    platform::setLabelColors(&label, ReadOutText, groundColor(ground));
}

platform::TextBox *designReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground,
                                 const QString &toolTip)
{
    auto *box = new platform::TextBox(parent);
    platform::setTwipsGeometry(box, twips.x(), twips.y(), twips.width(), twips.height());
    box->setText(text);
    styleReadOut(*box, ground);
    box->setToolTip(toolTip);
    return box;
}

platform::TextBox *lockedReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground,
                                 const QString &toolTip)
{
    platform::TextBox *box = designReadOut(parent, twips, text, ground, toolTip);
    box->setLocked(true);
    return box;
}

QString valueText(double value)
{
    return platform::Convert::doubleToText(value);
}

} // namespace demos
