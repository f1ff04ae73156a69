#include "PictureBox.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(false);
    m_surface.setChangedCallback([this] { update(); });
}

DrawingSurface &PictureBox::surface()
{
    m_surface.resize(innerSize());
    return m_surface;
}

QSize PictureBox::innerSize() const
{
    return contentsRect().size();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_surface.image());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_surface.resize(innerSize());
}

void PictureBox::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    m_surface.covered();
}

} // namespace platform
