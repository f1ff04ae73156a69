#include "HostedLevelBlock.h"

#include "platform/ScrollBar.h"

#include <QLabel>
#include <QPushButton>

namespace controls {

void HostedLevelBlock::designLevelBlock(QWidget *panel, int labelLeft, int controlLeft, int top,
                                        const platform::ScrollBarDesign &slider, const QString &buttonTip)
{
    constexpr int Row = 480;
    constexpr int FineRow = 840;
    Label14 = platform::designLabel(panel, QStringLiteral("Einpegeln"), QRect(labelLeft, top, 735, 255));
    Label15 = platform::designLabel(panel, QStringLiteral("Grobeinstellung"), QRect(labelLeft, top + Row, 1215, 255));
    Command1 = platform::designButton(panel, QStringLiteral("Pegelton"), buttonTip,
                                      QRect(controlLeft, top + Row, 1095, 255));
    Label16 = platform::designLabel(panel, QStringLiteral("Feinabstimmung"), QRect(labelLeft, top + FineRow, 1335, 255));
    HScroll1 = platform::designScrollBar(panel, Qt::Horizontal, QRect(controlLeft, top + FineRow, 1095, 255), slider);
    const std::pair<QWidget *, const char *> names[] = {
        {Label14, "Label14"}, {Label15, "Label15"}, {Command1, "Command1"}, {Label16, "Label16"}, {HScroll1, "HScroll1"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));
}

} // namespace controls
