#pragma once

#include <QColor>
#include <QString>

class QLabel;

namespace platform {
class TextBox;
}

namespace demos {

enum class ReadOutGround { Black, DarkGrey };

// Green figures on a dark ground, as every slider's read-out shows them.
void styleReadOut(platform::TextBox &box, ReadOutGround ground);
void styleReadOut(QLabel &label, ReadOutGround ground);

// A value as a read-out shows it: the user's decimal separator, no thousands separator ("500").
QString valueText(double value);

} // namespace demos
