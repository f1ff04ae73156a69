#include "DrawingSurface.h"

#include <QPainter>

#include <cmath>

namespace platform {

namespace {
// what a drawing call that names no colour draws in
constexpr Qt::GlobalColor ForeColor = Qt::black;
} // namespace

DrawingSurface::DrawingSurface(QSize pixels, QColor background)
    : m_image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32)
    , m_background(background)
{
    setScalePixels();
    clear();
}

void DrawingSurface::resize(QSize pixels)
{
    pixels = pixels.expandedTo(QSize(1, 1));
    if (pixels == m_image.size())
        return;
    m_image = QImage(pixels, QImage::Format_RGB32);
    if (m_pixelScale)
        setScalePixels();
    clear();
}

void DrawingSurface::setScalePixels()
{
    m_pixelScale = true;
    m_left = 0;
    m_top = 0;
    m_width = m_image.width();
    m_height = m_image.height();
}

void DrawingSurface::setScale(QPointF topLeft, QPointF bottomRight)
{
    m_pixelScale = false;
    m_left = topLeft.x();
    m_top = topLeft.y();
    m_width = bottomRight.x() - topLeft.x();
    m_height = bottomRight.y() - topLeft.y();
}

void DrawingSurface::clear()
{
    m_image.fill(m_background);
    m_primitives.clear();
    changed();
}

void DrawingSurface::setBackground(QColor color)
{
    m_background = color;
    clear();
}

void DrawingSurface::covered()
{
    if (!m_persistent)
        clear();
}

QPointF DrawingSurface::toPixels(QPointF user) const
{
    return QPointF((user.x() - m_left) * m_image.width() / m_width, (user.y() - m_top) * m_image.height() / m_height);
}

void DrawingSurface::line(QPointF from, QPointF to, QColor color)
{
    DrawnPrimitive p;
    p.kind = DrawnPrimitive::Kind::Line;
    p.from = toPixels(from);
    p.to = toPixels(to);
    p.color = color.isValid() ? color : QColor(ForeColor);
    p.width = m_drawWidth;
    p.style = m_drawStyle;

    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(p.color, p.width, p.style == DrawnPrimitive::Style::Dot ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(pen);
    painter.drawLine(p.from, p.to);
    m_primitives.append(p);
    changed();
}

void DrawingSurface::circle(QPointF centre, double radius, QColor color)
{
    DrawnPrimitive p;
    p.kind = DrawnPrimitive::Kind::Circle;
    p.from = toPixels(centre);
    // the radius is measured along x, in user units
    p.radius = radius * m_image.width() / std::abs(m_width);
    p.color = color.isValid() ? color : QColor(ForeColor);
    p.width = m_drawWidth;
    p.style = m_drawStyle;
    p.filled = m_fill;
    p.fillColor = m_fillColor;

    QPainter painter(&m_image);
    // aliased like the lines: the same circle drawn again must leave the picture as it was
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(p.color, p.width, p.style == DrawnPrimitive::Style::Dot ? Qt::DotLine : Qt::SolidLine));
    painter.setBrush(p.filled ? QBrush(p.fillColor) : Qt::NoBrush);
    painter.drawEllipse(p.from, p.radius, p.radius);
    m_primitives.append(p);
    changed();
}

} // namespace platform
