#include "DesignControls.h"

#include "LastingText.h"
#include "PictureBox.h"
#include "ScrollBar.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace platform {

namespace {

// Sees the keys that no control of the window took.
class DefaultButtonFilter : public QObject {
public:
    DefaultButtonFilter(QWidget &window, QPushButton &button)
        : QObject(&window)
        , m_button(&button)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // a focused button that is not the default one lets Return pass up to its window
        auto *focused = qobject_cast<QPushButton *>(static_cast<QWidget *>(watched)->focusWidget());
        QPushButton *target = focused ? focused : m_button.data();
        if (!target || !target->isEnabled())
            return false;
        target->click();
        return true;
    }

private:
    QPointer<QPushButton> m_button;
};

} // namespace

void useDesignFont(QWidget &window, DesignFace face)
{
    useFont(window, DesignFontPoints);
    if (face == DesignFace::Narrow) {
        QFont font = window.font();
        font.setStretch(QFont::Condensed);
        window.setFont(font);
    }
}

void useFont(QWidget &widget, double points, bool bold, const QString &family)
{
    QFont font = widget.font();
    if (!family.isEmpty())
        font.setFamily(lastingCopy(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    widget.setFont(font);
}

ScrollBar *designScrollBar(QWidget *parent, Qt::Orientation orientation, QRect twips,
                            const ScrollBarDesign &design)
{
    auto *bar = new ScrollBar(orientation, parent);
    setTwipsGeometry(bar, twips.x(), twips.y(), twips.width(), twips.height());
    bar->setRange(design.min, design.max);
    bar->setSmallChange(design.smallChange);
    bar->setLargeChange(design.largeChange);
    bar->setValue(design.value);
    return bar;
}

QLabel *designLabel(QWidget *parent, const QString &caption, QRect twips, LabelWidth width)
{
    auto *label = new QLabel(caption, parent);
    setTwipsGeometry(label, twips.x(), twips.y(), twips.width(), twips.height());
    if (width == LabelWidth::GrowsToText)
        fitToText(label);
    if (width == LabelWidth::Wraps) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

QLabel *boxLabel(PictureBox *box, const QString &caption, QRect twips, LabelWidth width)
{
    QLabel *label = designLabel(box, caption, twips, width);
    label->move(label->pos() + box->contentsRect().topLeft());
    return label;
}

QPushButton *designButton(QWidget *parent, const QString &caption, const QString &toolTip, QRect twips)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(toolTip);
    setTwipsGeometry(button, twips.x(), twips.y(), twips.width(), twips.height());
    return button;
}

void fitToText(QLabel *label)
{
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void setTextColor(QWidget *widget, QColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setLabelColors(QLabel *label, QColor text, QColor ground)
{
    setTextColor(label, text);
    setLabelGround(label, ground);
}

void setLabelGround(QLabel *label, QColor ground)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ground);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void setDefaultButton(QWidget &window, QPushButton &button)
{
    button.setDefault(true);
    window.installEventFilter(new DefaultButtonFilter(window, button));
}

QLabel *designBoxLabel(PictureBox *box, const QString &caption, QRect twips, double points)
{
    QLabel *label = boxLabel(box, caption, twips);
    useFont(*label, points);
    fitToText(label);
    label->hide();
    return label;
}

void shrinkFontToWidth(QLabel *label, int width)
{
    constexpr double SmallestPoints = 6;
    constexpr double Step = 0.25;
    label->resize(width, label->height());
    QFont font = label->font();
    while (label->sizeHint().width() > width && font.pointSizeF() - Step >= SmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - Step);
        label->setFont(font);
    }
}

} // namespace platform
