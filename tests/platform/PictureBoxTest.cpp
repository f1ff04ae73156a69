#include "platform/PictureBox.h"

#include <gtest/gtest.h>

TEST(PictureBox, InnerSizeIsInsideTheBorderEvenWhileHidden)
{
    platform::PictureBox box;
    box.setGeometry(0, 0, 361, 209);
    const QSize inner = box.innerSize();
    EXPECT_LT(inner.width(), 361);
    EXPECT_EQ(box.surface().pixelSize(), inner);
    box.surface().line(QPointF(1, 1), QPointF(5, 5));
    box.show();
    box.hide();
    box.show();
    EXPECT_EQ(box.surface().primitives().size(), 1);
}
