#pragma once

#include <QLineEdit>

#include <functional>

namespace platform {

// A one-line text box. Its maximum length also cuts text the program assigns, and the change
// handler runs whenever the text changes, typed or assigned.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }
    // Read-outs the user cannot edit.
    void setLocked(bool locked) { setReadOnly(locked); }
    void setColors(QColor text, QColor ground);

private:
    std::function<void()> m_onChange;
};

} // namespace platform
