#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace platform {

class ScrollBar;

// A slider's design-time properties.
struct ScrollBarDesign {
    int min = 0;
    int max = 0;
    int smallChange = 1;
    int largeChange = 1;
    int value = 0;
};

// Controls placed by their layout in twips (left, top, width, height), with their design values
// and no change handler yet.
ScrollBar *designScrollBar(QWidget *parent, Qt::Orientation orientation, QRect twips,
                            const ScrollBarDesign &design);
QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips);
QPushButton *designButton(QWidget *parent, const QString &caption, const QString &toolTip, QRect twips);

// The forms' standard font size, which the layouts' captions and places are made for.
inline constexpr double DesignFontPoints = 8.25;
void useDesignFont(QWidget &window);

// A label grows with its text, so this platform's wider fonts never cut a caption.
void fitToText(QLabel *label);
void setTextColor(QWidget *widget, QColor color);

} // namespace platform
