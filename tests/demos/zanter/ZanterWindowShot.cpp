#include "demos/DemoFixture.h"

#include "demos/zanter/Form1.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <functional>

using namespace demo_tests;

namespace {

class ZanterWindow : public DemoFixture {};

int pixelsOf(const QImage &image, QRect area, const std::function<bool(QColor)> &match)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += match(image.pixelColor(x, y));
    return count;
}

QRect onWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
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
    const QRect plot = onWindow(window.Ausgabe, &window);
    EXPECT_GT(pixelsOf(image, plot, [](QColor c) { return c == QColor(0, 0, 255); }), 400);
    EXPECT_GT(pixelsOf(image, plot, [](QColor c) { return c == QColor(255, 0, 0); }), 300);
    // the red figures of the sentence, and the black ground of a read-out
    auto reddish = [](QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; };
    EXPECT_GT(pixelsOf(image, onWindow(window.LBL13, &window), reddish), 10);
    const QRect readOut = onWindow(window.LBL5, &window);
    EXPECT_GT(pixelsOf(image, readOut, [](QColor c) { return c == QColor(0, 0, 0); }), readOut.width() * readOut.height() / 2);
}
