#include "DemoFixture.h"

#include "demos/diraz/Eingabe.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace demo_tests;

namespace {
class DirazWindow : public DemoFixture {};
} // namespace

// Renders the window after a change for a look by eye, and checks the curve reached the screen.
TEST_F(DirazWindow, RendersTheCurveAfterAChange)
{
    diraz::Eingabe window;
    window.show();
    window.VScroll1->setValue(7);
    window.Text1->setText(QStringLiteral("1000"));

    const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(folder + QStringLiteral("/diraz.png")));

    const QImage image = shot.toImage();
    const QRect box = window.Ausgabe->geometry().translated(window.centralWidget()->pos());
    int blue = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 0, 255))
                ++blue;
    // two periods across about 340 columns
    EXPECT_GT(blue, 300);
}
