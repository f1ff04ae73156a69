#include "TextBox.h"

#include "LastingText.h"

#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>

namespace platform {

namespace {

// Qt validates assignments and edits alike; the box tells which is which.
class TypingLimit : public QValidator {
public:
    TypingLimit(std::function<bool(qsizetype)> refuses, QObject *parent)
        : QValidator(parent)
        , m_refuses(std::move(refuses))
    {
    }

    State validate(QString &input, int &) const override { return m_refuses(input.size()) ? Invalid : Acceptable; }

private:
    std::function<bool(qsizetype)> m_refuses;
};

} // namespace

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        m_lastLength = int(text().size());
        if (m_onChange)
            m_onChange();
    });
}

void TextBox::setText(const QString &text)
{
    // the same text again leaves the box as the user has it, cursor and all
    if (text == this->text())
        return;
    const int cursor = cursorPosition();
    m_assigning = true;
    // a selection goes to the process's clipboard as it is; a control library's literal there
    // would outlive the library
    QLineEdit::setText(lastingCopy(text));
    m_assigning = false;
    // a long value shows its leading digits, as the student reads it; a handler that rewrites
    // the box while the user types leaves the cursor where the user had it
    setCursorPosition(m_typing ? std::min(cursor, int(this->text().size())) : 0);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback typing(m_typing, true);
    QLineEdit::keyPressEvent(event);
}

void TextBox::setColors(QColor text, QColor ground)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, ground);
    setPalette(palette);
}

void TextBox::setTypingLimit(int characters)
{
    m_typingLimit = characters;
    m_lastLength = int(text().size());
    delete validator();
    if (characters <= 0) {
        setValidator(nullptr);
        return;
    }
    // an edit may not grow the text past the limit; shortening an assigned longer text may
    setValidator(new TypingLimit(
        [this](qsizetype length) {
            return !m_assigning && length > m_typingLimit && length > m_lastLength;
        },
        this));
}

} // namespace platform
