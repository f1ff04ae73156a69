#include "demos/DemoFixture.h"

#include "demos/diraz/Eingabe.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

#include "support/Screenshot.h"

#include <QImage>

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

    const QImage image = window.grab().toImage();
    testing_support::saveScreenshot(image, QStringLiteral("diraz.png"));

    const QRect box = window.Ausgabe->geometry().translated(window.centralWidget()->pos());
    // two periods across about 340 columns
    EXPECT_GT(testing_support::pixelsOf(image, box, QColor(0, 0, 255)), 300);
}
