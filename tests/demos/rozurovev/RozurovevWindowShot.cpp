#include "demos/DemoFixture.h"

#include "demos/rozurovev/frmMain.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace demo_tests;

namespace {
class RozurovevWindow : public DemoFixture {};
} // namespace

// Renders the window with a beat of 7 Hz for a look by eye, and checks the envelope reached the screen.
TEST_F(RozurovevWindow, RendersTheEnvelope)
{
    rozurovev::frmMain window;
    window.show();
    window.HScroll2->setValue(7);

    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(folder + QStringLiteral("/rozurovev.png")));

    const QImage image = shot.toImage();
    const QRect box = window.Grafik1->geometry().translated(window.centralWidget()->pos());
    int red = 0;
    int filled = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(255, 0, 0);
            filled += c == QColor(240, 255, 255);
        }
    // the upper curve two pixels wide across 501 columns, and the space under it filled
    EXPECT_GT(red, 900);
    EXPECT_GT(filled, 501 * 189 / 4);
}
