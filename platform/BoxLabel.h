#pragma once

#include <QRect>
#include <QString>

class QLabel;

namespace platform {

class PictureBox;

// A caption inside a picture box, placed in twips from the box's inner corner, in its own point
// size; hidden until the first drawing shows it.
QLabel *designBoxLabel(PictureBox *box, const QString &caption, QRect twips, double points);

} // namespace platform
