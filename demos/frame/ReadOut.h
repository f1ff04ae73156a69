#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QMainWindow;
class QWidget;

namespace platform {
class TextBox;
}

namespace demos {

enum class ReadOutGround { Black, DarkGrey };

// Green figures on a dark ground, as every slider's read-out shows them.
void styleReadOut(platform::TextBox &box, ReadOutGround ground);

// A read-out placed by its layout in twips, with its design text.
platform::TextBox *designReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground);

// The window's caption and design font, and its client area of the given size in twips as the
// central widget, for the controls to be placed on.
QWidget *createClientArea(QMainWindow &window, const QString &caption, int width, int height);

// A value as a read-out shows it: the user's decimal separator, no thousands separator ("500").
QString valueText(double value);

} // namespace demos
