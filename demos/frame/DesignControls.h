#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace platform {
class ScrollBar;
}

namespace demos {

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
platform::ScrollBar *designScrollBar(QWidget *parent, Qt::Orientation orientation, QRect twips,
                                     const ScrollBarDesign &design);
QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips);

// The 8-point font that the layouts' captions are measured for.
void useDesignFont(QWidget &window);

} // namespace demos
