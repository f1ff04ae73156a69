#pragma once

#include "DrawingSurface.h"

#include <QFrame>

namespace platform {

// The picture box widget: a sunken frame around a DrawingSurface the size of its inside.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Sized to the current inside, also while the box is hidden.
    DrawingSurface &surface();
    const DrawingSurface &surface() const { return m_surface; }
    // The inner size in pixels, as drawing code reads it.
    QSize innerSize() const;
    // White unless set; setting it clears the picture.
    void setGroundColor(QColor color) { m_surface.setBackground(color); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    DrawingSurface m_surface;
};

} // namespace platform
