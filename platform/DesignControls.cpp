#include "DesignControls.h"

#include "ScrollBar.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace platform {

void useDesignFont(QWidget &window)
{
    QFont font = window.font();
    font.setPointSizeF(DesignFontPoints);
    window.setFont(font);
}

ScrollBar *designScrollBar(QWidget *parent, Qt::Orientation orientation, QRect twips,
                            const ScrollBarDesign &design)
{
    auto *bar = new ScrollBar(orientation, parent);
    setTwipsGeometry(bar, twips.x(), twips.y(), twips.width(), twips.height());
    bar->setRange(design.min, design.max);
    bar->setSmallChange(design.smallChange);
    bar->setLargeChange(design.largeChange);
    bar->setValue(design.value);
    return bar;
}

QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips)
{
    auto *label = new QLabel(caption, parent);
    setTwipsGeometry(label, twips.x(), twips.y(), twips.width(), twips.height());
    fitToText(label);
    return label;
}

QPushButton *designButton(QWidget *parent, const QString &caption, const QString &toolTip, QRect twips)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(toolTip);
    setTwipsGeometry(button, twips.x(), twips.y(), twips.width(), twips.height());
    return button;
}

void fitToText(QLabel *label)
{
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void setTextColor(QWidget *widget, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace platform
