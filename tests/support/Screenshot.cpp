#include "Screenshot.h"

#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace testing_support {

QString saveScreenshot(const QImage &image, const QString &name)
{
    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

int pixelsOf(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

int darkPixelsOf(const QImage &image, const QRect &area, int below)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y).lightness() < below;
    return count;
}

QRect placeIn(const QWidget &widget, const QWidget &ancestor)
{
    return QRect(widget.mapTo(&ancestor, QPoint(0, 0)), widget.size());
}

int pixelsCoveredIn(QWidget &ancestor, QWidget &widget)
{
    const QImage whole = ancestor.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage alone = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint corner = widget.mapTo(&ancestor, QPoint(0, 0));
    int differing = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
        {
            const QPoint at = corner + QPoint(x, y);
            // a place cut off by the ancestor's edge does not show whole either
            differing += !whole.rect().contains(at) || whole.pixel(at) != alone.pixel(x, y);
        }
    return differing;
}

} // namespace testing_support
