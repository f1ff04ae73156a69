#include "ReadOut.h"

#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QMainWindow>

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

platform::TextBox *designReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground)
{
    auto *box = new platform::TextBox(parent);
    platform::setTwipsGeometry(box, twips.x(), twips.y(), twips.width(), twips.height());
    box->setText(text);
    styleReadOut(*box, ground);
    return box;
}

QWidget *createClientArea(QMainWindow &window, const QString &caption, int width, int height)
{
    window.setWindowTitle(caption);
    platform::useDesignFont(window);
    auto *area = new QWidget(&window);
    area->setFixedSize(platform::twipsToPixels(width), platform::twipsToPixels(height));
    window.setCentralWidget(area);
    return area;
}

QString valueText(double value)
{
    return platform::Convert::doubleToText(value);
}

} // namespace demos
