#pragma once

#include "support/Screenshot.h"
#include "support/WaveBytes.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace demo_tests {

// The left channel of 16-bit stereo bytes from `offset` on; the right one must be the same.
inline std::vector<std::int16_t> leftChannel(const QByteArray &bytes, qsizetype offset = 0)
{
    const std::vector<std::int16_t> left = testing_support::channelOf(bytes, 0, offset);
    const std::vector<std::int16_t> right = testing_support::channelOf(bytes, 1, offset);
    std::size_t unequal = 0;
    for (std::size_t i = 0; i < left.size(); ++i)
        unequal += left[i] != right[i];
    EXPECT_EQ(unequal, 0u) << "frames whose channels differ";
    return left;
}

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
