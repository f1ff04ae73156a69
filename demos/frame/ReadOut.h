#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QWidget;
class QLabel;

namespace platform {
class TextBox;
}

namespace demos {

enum class ReadOutGround { Black, DarkGrey };

// Green figures on a dark ground, as every slider's read-out shows them.
void styleReadOut(platform::TextBox &box, ReadOutGround ground);
void styleReadOut(QLabel &label, ReadOutGround ground);

// A read-out placed in twips, showing `text`; the user may type into it.
platform::TextBox *designReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground,
                                 const QString &toolTip = QString());
// The same for a read-out only the program writes.
platform::TextBox *lockedReadOut(QWidget *parent, QRect twips, const QString &text, ReadOutGround ground,
                                 const QString &toolTip = QString());

// A value as a read-out shows it: the user's decimal separator, no thousands separator ("500").
QString valueText(double value);

} // namespace demos
