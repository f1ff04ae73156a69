#pragma once

#include <QString>

class QWidget;

namespace platform {

// A control's own font as its layout names it; an empty family keeps the window's.
void setControlFont(QWidget *control, double points, bool bold = false, const QString &family = QString());

} // namespace platform
