#include "Twips.h"

#include <QWidget>

namespace platform {

void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

} // namespace platform
