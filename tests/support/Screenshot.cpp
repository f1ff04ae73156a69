#include "Screenshot.h"

#include <QDir>

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

} // namespace testing_support
