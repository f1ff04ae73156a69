#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QVector>

#include <functional>

namespace platform {

// What one drawing call left on the surface, in pixels of the drawing area.
struct DrawnPrimitive {
    enum class Kind { Line, Circle };
    enum class Style { Solid, Dot };
    Kind kind = Kind::Line;
    QPointF from;    // line start, or circle centre
    QPointF to;      // line end
    double radius = 0;
    QColor color;
    int width = 1;
    Style style = Style::Solid;
    bool filled = false;
    QColor fillColor;
};

// The picture box's drawing area without its widget: a pixel image, a user coordinate system
// and the list of what was drawn.
class DrawingSurface {
public:
    explicit DrawingSurface(QSize pixels = QSize(1, 1), QColor background = Qt::white);

    QSize pixelSize() const { return m_image.size(); }
    // Resizing loses the picture, as a new window area would.
    void resize(QSize pixels);

    // Back to plain pixels with the origin at the top left.
    void setScalePixels();
    // User coordinates from two corners; y may grow upwards (top > bottom).
    void setScale(QPointF topLeft, QPointF bottomRight);
    double scaleWidth() const { return m_width; }
    double scaleHeight() const { return m_height; }  // negative when y grows upwards

    void clear();
    // The ground that clearing leaves; changing it clears.
    void setBackground(QColor color);
    QColor background() const { return m_background; }
    void setPersistent(bool on) { m_persistent = on; }
    bool persistent() const { return m_persistent; }
    // A non-persistent picture is gone once the area has been covered.
    void covered();

    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    void setDrawStyle(DrawnPrimitive::Style style) { m_drawStyle = style; }
    void setFill(bool filled, QColor color = Qt::black) { m_fill = filled; m_fillColor = color; }

    // Coordinates in user units; an invalid colour means the foreground colour, black.
    void line(QPointF from, QPointF to, QColor color = QColor());
    void circle(QPointF centre, double radius, QColor color = QColor());

    QPointF toPixels(QPointF user) const;

    // Called after every change of the picture, so a widget can repaint.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

    const QImage &image() const { return m_image; }
    const QVector<DrawnPrimitive> &primitives() const { return m_primitives; }

private:
    QImage m_image;
    QColor m_background;
    QColor m_fillColor = Qt::black;
    int m_drawWidth = 1;
    DrawnPrimitive::Style m_drawStyle = DrawnPrimitive::Style::Solid;
    bool m_fill = false;
    bool m_persistent = true;
    double m_left = 0;
    double m_top = 0;
    double m_width = 1;
    double m_height = 1;
    bool m_pixelScale = true;
    QVector<DrawnPrimitive> m_primitives;
    std::function<void()> m_changed;

    void changed()
    {
        if (m_changed)
            m_changed();
    }
};

} // namespace platform
