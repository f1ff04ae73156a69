#include "platform/PropertyError.h"
#include "platform/ScrollBar.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using platform::ScrollBar;

namespace {

struct Bar {
    explicit Bar(Qt::Orientation o, int min, int max, int small, int large, int value)
        : bar(o)
    {
        bar.setRange(min, max);
        bar.setSmallChange(small);
        bar.setLargeChange(large);
        bar.setValue(value);
        bar.setChangeHandler([this] { changes.push_back(bar.value()); });
    }
    ScrollBar bar;
    std::vector<int> changes;
};

} // namespace

TEST(ScrollBar, UserActionsMoveByTheirSteps)
{
    struct Row {
        const char *name;
        Qt::Orientation orientation;
        int min, max, small, large, start;
        QAbstractSlider::SliderAction action;
        int expected;
    };
    const Row rows[] = {
        {"level bar: up arrow raises the value", Qt::Vertical, 14, -10, 1, 3, -5, QAbstractSlider::SliderSingleStepSub, -4},
        {"level bar: down arrow lowers it", Qt::Vertical, 14, -10, 1, 3, -5, QAbstractSlider::SliderSingleStepAdd, -6},
        {"level bar: track click above the thumb", Qt::Vertical, 14, -10, 1, 3, -5, QAbstractSlider::SliderPageStepSub, -2},
        {"level bar: up arrow stops at the top", Qt::Vertical, 14, -10, 1, 3, 14, QAbstractSlider::SliderSingleStepSub, 14},
        {"falling slider: right arrow lowers", Qt::Horizontal, 200, 100, 1, 3, 150, QAbstractSlider::SliderSingleStepAdd, 149},
        {"frequency: right arrow", Qt::Horizontal, 0, 20000, 10, 5, 500, QAbstractSlider::SliderSingleStepAdd, 510},
        {"frequency: click beside the thumb", Qt::Horizontal, 0, 20000, 10, 5, 500, QAbstractSlider::SliderPageStepAdd, 505},
        {"amplitude step 9 at the top: one step down", Qt::Vertical, 9, 0, 1, 2, 5, QAbstractSlider::SliderSingleStepAdd, 4},
        {"home key goes to min", Qt::Vertical, 14, -10, 1, 3, 0, QAbstractSlider::SliderToMinimum, 14},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Bar b(row.orientation, row.min, row.max, row.small, row.large, row.start);
        b.bar.userAction(row.action);
        EXPECT_EQ(b.bar.value(), row.expected);
        EXPECT_EQ(b.changes, row.expected == row.start ? std::vector<int>{} : std::vector<int>{row.expected});
    }
}

TEST(ScrollBar, AssignmentOutsideTheRangeIsRefused)
{
    Bar b(Qt::Vertical, 14, -10, 1, 3, -5);
    for (int bad : {15, -11, 18770, -32768}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(b.bar.setValue(bad), platform::PropertyError);
    }
    EXPECT_EQ(b.bar.value(), -5);
    EXPECT_TRUE(b.changes.empty());
    b.bar.setValue(14);
    b.bar.setValue(-10);
    EXPECT_EQ(b.changes, (std::vector<int>{14, -10}));
}

TEST(ScrollBar, SameValueRunsNothing)
{
    Bar b(Qt::Horizontal, 0, 20000, 10, 5, 500);
    b.bar.setValue(500);
    EXPECT_TRUE(b.changes.empty());
    b.bar.setValue(501);
    b.bar.setValue(501);
    EXPECT_EQ(b.changes, std::vector<int>{501});
}

TEST(ScrollBar, DraggingReportsOnlyOnRelease)
{
    Bar b(Qt::Horizontal, 0, 100, 1, 10, 0);
    QScrollBar *inner = b.bar.bar();
    inner->setSliderDown(true);
    inner->setSliderPosition(30);
    inner->setSliderPosition(60);
    EXPECT_TRUE(b.changes.empty());
    EXPECT_EQ(b.bar.value(), 0);
    inner->setSliderDown(false);
    EXPECT_EQ(b.changes, std::vector<int>{60});
}

TEST(ScrollBar, ErrorOfAHandlerReachesTheAssigner)
{
    ScrollBar bar(Qt::Horizontal);
    bar.setRange(1, 9);
    bar.setChangeHandler([] { throw std::runtime_error("handler failed"); });
    EXPECT_THROW(bar.setValue(3), std::runtime_error);
    EXPECT_EQ(bar.value(), 3);
}

TEST(ScrollBar, InvertedRangeShowsTheMinimumAtTheTop)
{
    Bar b(Qt::Vertical, 14, -10, 1, 3, 14);
    EXPECT_EQ(b.bar.bar()->value(), b.bar.bar()->minimum());
    b.bar.setValue(-10);
    EXPECT_EQ(b.bar.bar()->value(), b.bar.bar()->maximum());
}

TEST(ScrollBar, RepeatWhileTheHandlerRunsDoesNotReenterIt)
{
    // a held arrow keeps firing while the handler blocks to play a tone
    Bar b(Qt::Vertical, 14, -10, 1, 3, -5);
    int depth = 0;
    int deepest = 0;
    b.bar.setChangeHandler([&] {
        ++depth;
        deepest = std::max(deepest, depth);
        b.changes.push_back(b.bar.value());
        b.bar.bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        b.bar.bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        --depth;
    });
    b.bar.userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(b.changes, std::vector<int>{-4});
    EXPECT_EQ(b.bar.value(), -4);
    EXPECT_EQ(b.bar.bar()->value(), 14 - (-4));
    // the next click after the handler works as usual
    b.bar.setChangeHandler([&] { b.changes.push_back(b.bar.value()); });
    b.bar.userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(b.changes, (std::vector<int>{-4, -3}));
}

TEST(ScrollBar, KeyboardReachesAndMovesTheBar)
{
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Test starten"), &window);
    auto *bar = new ScrollBar(Qt::Vertical, &window);
    bar->setRange(14, -10);
    bar->setLargeChange(3);
    bar->setValue(-5);
    std::vector<int> changes;
    bar->setChangeHandler([&] { changes.push_back(bar->value()); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Tab);
    ASSERT_TRUE(bar->bar()->hasFocus());
    QTest::keyClick(bar->bar(), Qt::Key_Up);
    QTest::keyClick(bar->bar(), Qt::Key_PageUp);
    EXPECT_EQ(changes, (std::vector<int>{-4, -1}));
}
