#include "ReadOut.h"

#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/TextBox.h"

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

QString valueText(double value)
{
    return platform::Convert::doubleToText(value);
}

} // namespace demos
