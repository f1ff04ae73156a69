#include "InnerScrollBar.h"

#include <QMouseEvent>

namespace platform {

InnerScrollBar::InnerScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

void InnerScrollBar::releaseHeld()
{
    // the real release may have gone to a box meanwhile; Qt's bar still counts itself pressed
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), mapToGlobal(QPointF(-1, -1)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}

void InnerScrollBar::rearmRepeat()
{
    const SliderAction action = repeatAction();
    if (action != SliderNoAction)
        setRepeatAction(action);
}

} // namespace platform
