#include "platform/PropertyError.h"
#include "platform/ScrollBar.h"
#include "support/Screenshot.h"

#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>
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

// The bars of the programs as the student sees and drives them: each fills its laid-out
// place, shows a square thumb that moves with the value, and Right raises a horizontal one.
TEST(ScrollBar, BarsOfTheProgramsAsTheyLookAndMove)
{
    using testing_support::darkPixelsOf;
    struct Row {
        const char *name;
        Qt::Orientation orientation;
        QSize pixels;
        int min, max, small, large;
        int low, high;  // two values whose thumbs must lie apart
    };
    const Row rows[] = {
        {"Zezevav level bar, 375 twips wide", Qt::Vertical, {25, 177}, 14, -10, 1, 3, 14, -10},
        {"Limbra level bar, 255 twips wide", Qt::Vertical, {17, 177}, 14, -10, 1, 3, 14, 0},
        {"Zanter loudness, 735 twips long", Qt::Horizontal, {49, 17}, 1, 10, 1, 1, 5, 10},
        {"Koliva depth, 57 px with a range of 41", Qt::Horizontal, {57, 17}, -20, 20, 1, 5, -20, 20},
        {"Rozurovev offset, 57 px", Qt::Horizontal, {57, 17}, -20, 20, 1, 1, -19, 19},
        {"Dazuv level, 65 px with a large change of 3", Qt::Horizontal, {65, 17}, 0, 30, 1, 3, 0, 30},
        {"Diraz frequency, 313 px over 0 to 20000", Qt::Horizontal, {313, 17}, 0, 20000, 10, 5, 1005, 19000},
    };
    QImage all(360, 220 * int(std::size(rows)), QImage::Format_RGB32);
    all.fill(Qt::white);
    QPainter sheet(&all);
    int sheetTop = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QWidget window;
        window.setFixedSize(row.pixels + QSize(20, 20));
        Bar b(row.orientation, row.min, row.max, row.small, row.large, row.low);
        b.bar.setParent(&window);
        b.bar.setGeometry(QRect(QPoint(10, 10), row.pixels));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        // the bar fills its place: its outer columns and rows are drawn, not the window's
        const QImage low = window.grab().toImage();
        const QColor ground = low.pixelColor(2, 2);
        const QRect place = b.bar.geometry();
        const auto drawn = [&](const QImage &image, QPoint p) { return image.pixelColor(p) != ground; };
        EXPECT_EQ(b.bar.bar()->geometry(), b.bar.rect());
        EXPECT_TRUE(drawn(low, QPoint(place.left(), place.center().y()))) << "left edge";
        EXPECT_TRUE(drawn(low, QPoint(place.right(), place.center().y()))) << "right edge";

        // a thumb of the bar's thickness, at another place for another value
        QStyleOptionSlider option;
        option.initFrom(b.bar.bar());
        const auto partAt = [&](QStyle::SubControl part) {
            QStyleOptionSlider o;
            o.QStyleOption::operator=(option);
            o.orientation = row.orientation;
            o.minimum = b.bar.bar()->minimum();
            o.maximum = b.bar.bar()->maximum();
            o.sliderPosition = o.sliderValue = b.bar.bar()->value();
            o.rect = b.bar.bar()->rect();
            return b.bar.bar()->style()->subControlRect(QStyle::CC_ScrollBar, &o, part, b.bar.bar())
                .translated(place.topLeft());
        };
        const QRect lowThumb = partAt(QStyle::SC_ScrollBarSlider);
        const QRect groove = partAt(QStyle::SC_ScrollBarGroove);
        b.bar.setValue(row.high);
        const QImage high = window.grab().toImage();
        const QRect highThumb = partAt(QStyle::SC_ScrollBarSlider);
        const int thickness = row.orientation == Qt::Horizontal ? place.height() : place.width();
        const int length = row.orientation == Qt::Horizontal ? place.width() : place.height();
        EXPECT_EQ(std::min(lowThumb.width(), lowThumb.height()), std::min(thickness, length / 4))
            << "square while the bar is long enough";
        EXPECT_NE(lowThumb.topLeft(), highThumb.topLeft()) << "the thumbs of the two values lie apart";
        // what is drawn where the first thumb stood changes when it leaves
        const QRect along = row.orientation == Qt::Horizontal
            ? QRect(place.left(), place.center().y(), place.width(), 1)
            : QRect(place.center().x(), place.top(), 1, place.height());
        EXPECT_NE(low.copy(along), high.copy(along)) << "the thumb moved with the value";
        // the groove's end farther from the thumb, a little inside
        const bool thumbNearStart = row.orientation == Qt::Horizontal
            ? lowThumb.center().x() < groove.center().x()
            : lowThumb.center().y() < groove.center().y();
        const QPoint grooveEnd = row.orientation == Qt::Horizontal
            ? QPoint(thumbNearStart ? groove.right() - 1 : groove.left() + 1, groove.center().y())
            : QPoint(groove.center().x(), thumbNearStart ? groove.bottom() - 1 : groove.top() + 1);
        ASSERT_FALSE(lowThumb.contains(grooveEnd));
        EXPECT_NE(low.pixelColor(lowThumb.center()), low.pixelColor(grooveEnd)) << "the thumb stands out from its groove";
        EXPECT_GT(darkPixelsOf(low, place, 200), 0) << "arrows and outlines drawn";

        // Right raises, Left lowers a horizontal bar; Down lowers a level bar
        b.bar.setValue(row.low);
        b.changes.clear();
        b.bar.bar()->setFocus();
        const int step = row.orientation == Qt::Horizontal ? row.small : -row.small;
        QTest::keyClick(b.bar.bar(), row.orientation == Qt::Horizontal ? Qt::Key_Right : Qt::Key_Down);
        QTest::keyClick(b.bar.bar(), row.orientation == Qt::Horizontal ? Qt::Key_Right : Qt::Key_Down);
        QTest::keyClick(b.bar.bar(), row.orientation == Qt::Horizontal ? Qt::Key_Left : Qt::Key_Up);
        EXPECT_EQ(b.changes, (std::vector<int>{row.low + step, row.low + 2 * step, row.low + step}));

        sheet.drawImage(QPoint(0, sheetTop), low);
        sheet.drawImage(QPoint(180, sheetTop), high);
        sheetTop += 220;
    }
    sheet.end();
    testing_support::saveScreenshot(all, QStringLiteral("scrollbars.png"));
}
