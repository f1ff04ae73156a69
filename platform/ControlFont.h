#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace platform {

// A control's own font as its layout names it; an empty family keeps the window's.
void setControlFont(QWidget *control, double points, bool bold = false, const QString &family = QString());

// A caption with a control close behind it keeps the layout's width in pixels: where this
// platform's font runs wider, the caption's font shrinks until it fits.
void shrinkFontToWidth(QLabel *label, int width);

} // namespace platform
