#include "DesignControls.h"

#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>

#include <algorithm>

namespace demos {

namespace {
constexpr double DesignFontPoints = 8.0;
} // namespace

void useDesignFont(QWidget &window)
{
    QFont font = window.font();
    font.setPointSizeF(DesignFontPoints);
    window.setFont(font);
}

platform::ScrollBar *designScrollBar(QWidget *parent, Qt::Orientation orientation, QRect twips,
                                     const ScrollBarDesign &design)
{
    auto *bar = new platform::ScrollBar(orientation, parent);
    platform::setTwipsGeometry(bar, twips.x(), twips.y(), twips.width(), twips.height());
    bar->setRange(design.min, design.max);
    bar->setSmallChange(design.smallChange);
    bar->setLargeChange(design.largeChange);
    bar->setValue(design.value);
    return bar;
}

QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips)
{
    auto *label = new QLabel(caption, parent);
    platform::setTwipsGeometry(label, twips.x(), twips.y(), twips.width(), twips.height());
    // this platform's fonts run wider than the layout's; a caption is never cut off
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

} // namespace demos
