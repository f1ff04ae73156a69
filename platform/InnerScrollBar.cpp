#include "InnerScrollBar.h"

#include "NestedLoops.h"
#include "ScrollBarStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

InnerScrollBar::InnerScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    setStyle(new ScrollBarStyle(this));
    // the bar fills the place it was laid out in, not Qt's narrower default
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

namespace {
QPointer<InnerScrollBar> g_acting;
} // namespace

InnerScrollBar::Acting::Acting(InnerScrollBar *bar)
    : m_outer(g_acting)
{
    g_acting = bar;
}

InnerScrollBar::Acting::~Acting()
{
    g_acting = m_outer;
}

void InnerScrollBar::releaseActing()
{
    if (g_acting)
        g_acting->releaseHeld();
}

void InnerScrollBar::releaseHeld()
{
    // the real release may have gone to a box meanwhile; Qt's bar still counts itself pressed
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), mapToGlobal(QPointF(-1, -1)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}

void InnerScrollBar::mousePressEvent(QMouseEvent *event)
{
    // Qt 6.4's bar restarts its repeat 50 ms after a press that took longer than the first
    // delay. Under load that comes before the release, as a second tone:
    // InputDuringTone.WaitsForTheToneInOrderAndOneFailureGivesOneMessage ("one tone per click")
    // and the arrow rows of Programs/OneGesture.IsHandledAsTheToneEndsWithNoFurtherInput (ctest
    // integration.input_during_tone) show it, though not on every run.
    const unsigned long waits = NestedLoops::waitsBegun();
    QScrollBar::mousePressEvent(event);
    const SliderAction action = repeatAction();
    if (NestedLoops::waitsBegun() != waits && action != SliderNoAction)
        setRepeatAction(action);
}

void InnerScrollBar::keyPressEvent(QKeyEvent *event)
{
    if (orientation() == Qt::Horizontal && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        const bool towardsLeft = (event->key() == Qt::Key_Left) != isRightToLeft();
        triggerAction(towardsLeft ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace platform
