#pragma once

#include "InnerScrollBar.h"

#include <QAbstractSlider>
#include <QWidget>

#include <functional>

namespace platform {

// A scroll bar as the forms runtime has it: Min may be larger than Max (a vertical bar then
// holds its larger value at the top), a value outside the range is refused with PropertyError,
// and the change handler runs on every completed change, by the user or by assignment, but not
// while the thumb is dragged and not when the same value is assigned again.
class ScrollBar : public QWidget {
    Q_OBJECT
public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int min() const { return m_min; }
    int max() const { return m_max; }
    int value() const { return m_value; }
    int smallChange() const { return m_smallChange; }
    int largeChange() const { return m_largeChange; }

    // Design-time set-up; the value is kept inside the new range without running the handler.
    void setRange(int min, int max);
    void setSmallChange(int step);
    void setLargeChange(int step);

    // Throws PropertyError for a value outside min..max; runs the handler when it changes.
    void setValue(int value);

    // The handler is a plain callback so that an error it raises reaches whoever assigned.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

    // What a user's click or key does: SliderSingleStepSub is the top/left arrow (towards
    // min), SliderPageStepAdd a click into the track below/right of the thumb.
    void userAction(QAbstractSlider::SliderAction action);

    InnerScrollBar *bar() const { return m_bar; }

private:
    int toInner(int value) const;
    int fromInner(int inner) const;
    void syncInner();
    void innerChanged(int inner);
    void runHandler();

    InnerScrollBar *m_bar;
    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_syncing = false;
    bool m_inHandler = false;
    std::function<void()> m_onChange;
};

} // namespace platform
