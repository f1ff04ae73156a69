#include "demos/DemoFixture.h"

#include "demos/zanter/Form1.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

using namespace demo_tests;

namespace {

class ZanterWindow : public DemoFixture {};

int pixelsOf(const QImage &image, QRect area, QColor color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                ++count;
    return count;
}

} // namespace

// Renders the window for a look by eye, and checks that curves, sentence and read-outs reached
// the screen.
TEST_F(ZanterWindow, RendersCurvesSentenceAndReadOuts)
{
    zanter::Form1 window;
    window.show();
    window.VScroll2->setValue(8);

    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(folder + QStringLiteral("/zanter.png")));

    const QImage image = shot.toImage();
    const QPoint origin = window.centralWidget()->pos();
    const QRect plot = window.Ausgabe->geometry().translated(origin);
    EXPECT_GT(pixelsOf(image, plot, QColor(0, 0, 255)), 400);
    EXPECT_GT(pixelsOf(image, plot, QColor(255, 0, 0)), 300);
    // the red value labels of the sentence, and the black ground of a read-out
    const QRect sentence = window.Ausgabe1->geometry().translated(origin);
    EXPECT_GT(pixelsOf(image, sentence, QColor(255, 0, 0)), 10);
    const QRect readOut = window.LBL5->geometry().translated(origin + window.LBL5->parentWidget()->pos() -
                                                               window.centralWidget()->pos() + window.centralWidget()->pos());
    EXPECT_GT(pixelsOf(image, readOut, QColor(0, 0, 0)), readOut.width() * readOut.height() / 2);
}
