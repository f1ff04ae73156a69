#include "ChartCaptions.h"

#include "platform/DesignControls.h"

#include <QLabel>

namespace ChartCaptions {

QList<QLabel *> place(QWidget *box, std::span<const LevelPlot::AxisCaption> captions)
{
    QList<QLabel *> labels;
    for (const LevelPlot::AxisCaption &c : captions)
        labels.append(platform::designLabel(box, QString::fromUtf8(c.text), QRect(c.left, c.top, c.width, 255)));
    return labels;
}

} // namespace ChartCaptions
