#include "ScrollBarStyle.h"

#include <QStyleOptionSlider>

#include <algorithm>

namespace platform {

ScrollBarStyle::ScrollBarStyle(QObject *owner)
{
    // without a base style of its own the proxy follows the application's
    setParent(owner);
}

QRect ScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                     const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, part, widget);

    const bool horizontal = bar->orientation == Qt::Horizontal;
    const QRect whole = bar->rect;
    const int length = horizontal ? whole.width() : whole.height();
    const int thickness = horizontal ? whole.height() : whole.width();
    // arrows never take more than half the bar, the thumb never more than half the groove
    const int arrow = std::max(0, std::min(thickness, length / 4));
    const int groove = std::max(0, length - 2 * arrow);
    const int thumb = std::min(thickness, groove / 2);
    const int travel = groove - thumb;
    const int thumbStart = arrow
        + (bar->maximum > bar->minimum
               ? sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition, travel, bar->upsideDown)
               : 0);

    // a span along the bar, across its whole thickness
    const auto span = [&](int start, int size) {
        const QRect r = horizontal ? QRect(start, 0, size, thickness) : QRect(0, start, thickness, size);
        return visualRect(bar->direction, whole, r.translated(whole.topLeft()));
    };
    switch (part) {
    case SC_ScrollBarSubLine:
        return span(0, arrow);
    case SC_ScrollBarAddLine:
        return span(length - arrow, arrow);
    case SC_ScrollBarGroove:
        return span(arrow, groove);
    case SC_ScrollBarSlider:
        return span(thumbStart, thumb);
    case SC_ScrollBarSubPage:
        return span(arrow, thumbStart - arrow);
    case SC_ScrollBarAddPage:
        return span(thumbStart + thumb, length - arrow - thumbStart - thumb);
    case SC_ScrollBarFirst:
    case SC_ScrollBarLast:
        return QRect();
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                        const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider))
        return;
    const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
    if (thumb.isEmpty() || bar->maximum == bar->minimum)
        return;
    QStyleOptionButton button;
    button.QStyleOption::operator=(*option);
    button.rect = thumb;
    button.state = (option->state & State_Enabled) | State_Raised;
    if (bar->activeSubControls & SC_ScrollBarSlider && option->state & State_Sunken)
        button.state |= State_Sunken;
    proxy()->drawControl(CE_PushButtonBevel, &button, painter, widget);
}

} // namespace platform
