#include "CentredScale.h"

#include "platform/Convert.h"
#include "platform/DrawingSurface.h"

#include <algorithm>

namespace demos {

CentredScale centreScale(platform::DrawingSurface &box)
{
    box.setScalePixels();
    const double H = box.scaleHeight();
    const double W = box.scaleWidth();
    box.setScale(QPointF(0, H / 2), QPointF(W, -H / 2));
    return CentredScale{W, H, box.scaleHeight(), lastColumn(W)};
}

int lastColumn(double width)
{
    return int(platform::Convert::roundHalfEven(width));
}

std::vector<float> columnTable(int columns)
{
    return std::vector<float>(std::size_t(std::max(columns, 0)) + 1, 0.0f);
}

} // namespace demos
