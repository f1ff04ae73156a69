#include "ScrollBar.h"

#include "InnerScrollBar.h"
#include "PropertyError.h"
#include "FailureReport.h"

#include <QHBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace platform {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_bar(new InnerScrollBar(orientation, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar);
    // a drag reports once, on release
    m_bar->setTracking(false);
    // reachable with Tab and movable with the arrow and page keys
    m_bar->setFocusPolicy(Qt::StrongFocus);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_bar);
    syncInner();
    connect(m_bar, &QScrollBar::valueChanged, this, &ScrollBar::innerChanged);
}

int ScrollBar::toInner(int value) const
{
    return std::abs(value - m_min);
}

int ScrollBar::fromInner(int inner) const
{
    return m_max >= m_min ? m_min + inner : m_min - inner;
}

void ScrollBar::syncInner()
{
    m_syncing = true;
    m_bar->setRange(0, std::abs(m_max - m_min));
    m_bar->setSingleStep(m_smallChange);
    m_bar->setPageStep(m_largeChange);
    m_bar->setValue(toInner(m_value));
    m_syncing = false;
}

void ScrollBar::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    m_value = std::clamp(m_value, std::min(min, max), std::max(min, max));
    syncInner();
}

void ScrollBar::setSmallChange(int step)
{
    m_smallChange = step;
    syncInner();
}

void ScrollBar::setLargeChange(int step)
{
    m_largeChange = step;
    syncInner();
}

void ScrollBar::setValue(int value)
{
    if (value < std::min(m_min, m_max) || value > std::max(m_min, m_max))
        throw PropertyError("Ungültiger Eigenschaftswert");
    if (value == m_value)
        return;
    m_value = value;
    syncInner();
    runHandler();
}

void ScrollBar::userAction(QAbstractSlider::SliderAction action)
{
    m_bar->triggerAction(action);
}

void ScrollBar::innerChanged(int inner)
{
    if (m_syncing)
        return;
    if (m_inHandler) {
        // a change that reaches the bar while its handler waits in a box stays unmade, as it
        // would if the program were blocked
        syncInner();
        return;
    }
    const int value = fromInner(inner);
    if (value == m_value)
        return;
    m_value = value;
    const InnerScrollBar::Acting acting(m_bar);
    // the user moved the bar: nobody up the stack could take an error, so report it here
    try {
        runHandler();
    } catch (const std::exception &error) {
        restorePointerAndReport(error);
    }
}

void ScrollBar::runHandler()
{
    if (!m_onChange)
        return;
    const bool outer = !m_inHandler;
    m_inHandler = true;
    try {
        m_onChange();
    } catch (...) {
        if (outer)
            m_inHandler = false;
        throw;
    }
    if (outer)
        m_inHandler = false;
}

} // namespace platform
