#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

namespace testing_support {

// Saves a picture for a person to look at in the build's screenshot folder; returns its path.
QString saveScreenshot(const QImage &image, const QString &name);

// How many pixels of `area` have exactly `color`.
int pixelsOf(const QImage &image, const QRect &area, const QColor &color);

// How many pixels of `area` are dark (lightness below `below` of 255), as text and lines are.
int darkPixelsOf(const QImage &image, const QRect &area, int below = 100);

// `widget`'s place in `ancestor`'s coordinates.
QRect placeIn(const QWidget &widget, const QWidget &ancestor);

// How many pixels of `widget`'s place in a picture of `ancestor` differ from a picture of
// `widget` alone: 0 when nothing shows through it and nothing lies over it.
int pixelsCoveredIn(QWidget &ancestor, QWidget &widget);

} // namespace testing_support
