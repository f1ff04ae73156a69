#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace testing_support {

// Saves a picture for a person to look at in the build's screenshot folder; returns its path.
QString saveScreenshot(const QImage &image, const QString &name);

// How many pixels of `area` have exactly `color`.
int pixelsOf(const QImage &image, const QRect &area, const QColor &color);

} // namespace testing_support
