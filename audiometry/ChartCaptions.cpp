#include "ChartCaptions.h"

#include "platform/DesignControls.h"

#include <QLabel>

namespace ChartCaptions {

QList<QLabel *> place(QWidget *box, std::span<const LevelPlot::AxisCaption> captions)
{
    QList<QLabel *> labels;
    for (const LevelPlot::AxisCaption &c : captions) {
        QLabel *label = platform::designLabel(box, QString::fromUtf8(c.text), QRect(c.left, c.top, c.width, 255));
        // opaque, so that no grid line or curve runs through a caption
        platform::setLabelColors(label, label->palette().color(QPalette::WindowText), Qt::white);
        labels.append(label);
    }
    return labels;
}

} // namespace ChartCaptions
