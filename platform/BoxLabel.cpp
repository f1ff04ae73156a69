#include "BoxLabel.h"

#include "ControlFont.h"
#include "DesignControls.h"
#include "PictureBox.h"

#include <QLabel>

namespace platform {

QLabel *designBoxLabel(PictureBox *box, const QString &caption, QRect twips, double points)
{
    QLabel *label = designLabel(box, caption, twips);
    label->move(label->pos() + box->contentsRect().topLeft());
    setControlFont(label, points);
    fitToText(label);
    label->hide();
    return label;
}

} // namespace platform
