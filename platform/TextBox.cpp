#include "TextBox.h"

namespace platform {

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_onChange)
            m_onChange();
    });
}

void TextBox::setColors(QColor text, QColor ground)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, ground);
    setPalette(palette);
}

} // namespace platform
