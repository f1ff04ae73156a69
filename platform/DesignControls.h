#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace platform {

class PictureBox;
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

// A caption grows with its text, so this platform's wider fonts never cut it; or it keeps its
// design width and is cut where the text does not fit; or it keeps its width and breaks into
// lines, as a caption laid out two or more lines high does.
enum class LabelWidth { GrowsToText, Clipped, Wraps };
QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips,
                    LabelWidth width = LabelWidth::GrowsToText);
QPushButton *designButton(QWidget *parent, const QString &caption, const QString &toolTip, QRect twips);
// A label inside a picture box: its twips count from the box's inner corner, inside the border.
QLabel *boxLabel(PictureBox *box, const QString &caption, QRect twips,
                 LabelWidth width = LabelWidth::GrowsToText);
// The same in its own point size, hidden until the first drawing shows it.
QLabel *designBoxLabel(PictureBox *box, const QString &caption, QRect twips, double points);

// The forms' standard font size, which the layouts' captions and places are made for.
inline constexpr double DesignFontPoints = 8.25;
// The narrow face is the condensed cut of the same family: its widths come close to those the
// layouts were made for, so captions laid out side by side do not run into each other.
enum class DesignFace { Regular, Narrow };
void useDesignFont(QWidget &window, DesignFace face = DesignFace::Regular);
// A control's own font; an empty family keeps the inherited one.
void useFont(QWidget &widget, double points, bool bold = false, const QString &family = QString());

void fitToText(QLabel *label);
// A caption with a control close behind it keeps the layout's width in pixels: where this
// platform's font runs wider, the caption's font shrinks until it fits.
void shrinkFontToWidth(QLabel *label, int width);
void setTextColor(QWidget *widget, QColor color);
// A label's text on a ground of its own instead of its parent's.
void setLabelColors(QLabel *label, QColor text, QColor ground);
// The same, keeping the text colour it has.
void setLabelGround(QLabel *label, QColor ground);

// Return or Enter in `window` clicks `button`, unless another button has the focus: then that
// one is clicked. Qt gives dialogs a default button, this gives one to a main window.
void setDefaultButton(QWidget &window, QPushButton &button);

} // namespace platform
