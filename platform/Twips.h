#pragma once

#include <QRect>

class QWidget;

namespace platform {

// Layouts are given in twips; the suite draws at 15 twips per pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // nearest pixel, halves away from zero
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height);

} // namespace platform
