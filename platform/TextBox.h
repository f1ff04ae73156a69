#pragma once

#include <QLineEdit>

#include <functional>

namespace platform {

// A one-line text box. Its maximum length also cuts text the program assigns (a typing limit
// does not), and the change handler runs whenever the text changes, typed or assigned.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }
    // What the program assigns; hides QLineEdit's, so that a typing limit lets it pass whole.
    void setText(const QString &text);
    // Read-outs the user cannot edit.
    void setLocked(bool locked) { setReadOnly(locked); }
    void setColors(QColor text, QColor ground);
    // At most `characters` typed; a longer text the program assigns stays whole and can only
    // be shortened by typing. 0 lifts the limit.
    void setTypingLimit(int characters);
    // Flat on its ground, as a value inside a sentence.
    void setBorderless() { setFrame(false); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<void()> m_onChange;
    int m_typingLimit = 0;
    int m_lastLength = 0;
    bool m_assigning = false;
    bool m_typing = false;
};

} // namespace platform
