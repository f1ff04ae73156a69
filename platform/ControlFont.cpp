#include "ControlFont.h"

#include <QLabel>

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

void shrinkFontToWidth(QLabel *label, int width)
{
    constexpr double SmallestPoints = 6;
    constexpr double Step = 0.25;
    label->resize(width, label->height());
    QFont font = label->font();
    while (label->sizeHint().width() > width && font.pointSizeF() - Step >= SmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - Step);
        label->setFont(font);
    }
}

} // namespace platform
