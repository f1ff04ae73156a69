#include "demos/DemoFixture.h"

#include "demos/dazuv/Form1.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

using namespace demo_tests;

namespace {
class DazuvWindow : public DemoFixture {};
} // namespace

// Renders the window with the warning shown for a look by eye, and checks the red sentence
// and warning reached the screen on the box's white.
TEST_F(DazuvWindow, RendersTheSentenceWithTheWarning)
{
    dazuv::Form1 window;
    window.show();
    window.HScroll1->setValue(30);

    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(folder + QStringLiteral("/dazuv.png")));

    const QImage image = shot.toImage();
    const QPoint origin = window.centralWidget()->pos();
    auto reddish = [&](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 120 && c.blue() < 120;
            }
        return count;
    };
    const QPoint box = window.Ausgabe->pos() + origin;
    EXPECT_GT(reddish(window.Label8->geometry().translated(box)), 200);
    EXPECT_GT(reddish(window.Text5->geometry().translated(box)), 30);
    EXPECT_EQ(image.pixelColor(window.Ausgabe->geometry().translated(origin).center()), QColor(Qt::white));
}
