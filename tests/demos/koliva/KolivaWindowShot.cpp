#include "demos/DemoFixture.h"

#include "demos/koliva/Eingabe.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace demo_tests;

namespace {
class KolivaWindow : public DemoFixture {};
} // namespace

// Renders the window for a look by eye, and checks that the envelope and its hatch reached the
// screen.
TEST_F(KolivaWindow, RendersTheEnvelope)
{
    koliva::Eingabe window;
    window.show();
    window.VScroll2->setValue(7);
    window.VScroll4->setValue(3);

    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(folder + QStringLiteral("/koliva.png")));

    const QImage image = shot.toImage();
    const QRect box = window.Ausgabe->geometry().translated(window.centralWidget()->pos());
    int blue = 0;
    int hatch = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c == QColor(0, 0, 255);
            hatch += c == QColor(230, 230, 255);
        }
    // two envelopes two pixels wide across about 365 columns
    EXPECT_GT(blue, 2 * 365);
    EXPECT_GT(hatch, 2000);
}
