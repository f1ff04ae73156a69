#include "ControlFont.h"

#include <QWidget>

namespace platform {

void setControlFont(QWidget *control, double points, bool bold, const QString &family)
{
    QFont font = control->font();
    // where the named family is missing, the platform's font matching finds its look-alike
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
}

} // namespace platform
