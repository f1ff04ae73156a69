#pragma once

#include "support/Screenshot.h"

#include <QImage>
#include <QWidget>

namespace demo_tests {

// Saves the shown window for a look by eye; returns the picture.
inline QImage shotOf(QWidget &window, const QString &name)
{
    window.show();
    const QImage image = window.grab().toImage();
    testing_support::saveScreenshot(image, name);
    return image;
}

inline int pixelsIn(const QImage &image, const QWidget *box, const QWidget *window, const QColor &color)
{
    return testing_support::pixelsOf(image, QRect(box->mapTo(window, QPoint(0, 0)), box->size()), color);
}

} // namespace demo_tests
