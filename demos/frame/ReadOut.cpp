#include "ReadOut.h"

#include "platform/Convert.h"
#include "platform/TextBox.h"

namespace demos {

namespace {
const QColor ReadOutText(0x00, 0xFF, 0x00);
const QColor BlackGround(0x00, 0x00, 0x00);
const QColor DarkGreyGround(0x40, 0x40, 0x40);
} // namespace

void styleReadOut(platform::TextBox &box, ReadOutGround ground)
{
    box.setColors(ReadOutText, ground == ReadOutGround::Black ? BlackGround : DarkGreyGround);
}

QString valueText(double value)
{
    return platform::Convert::doubleToText(value);
}

} // namespace demos
