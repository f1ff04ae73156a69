#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "support/Screenshot.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(DesignControls, LabelsAreWhereTheLayoutPutsThem)
{
    using platform::LabelWidth;
    QWidget window;
    platform::useDesignFont(window);
    auto *box = new platform::PictureBox(&window);
    platform::setTwipsGeometry(box, 600, 300, 6015, 1695);
    const char *longText = "Die  Amplitude der modulierenden Schwingung";
    const struct {
        const char *name;
        bool inBox;
        const char *caption;
        QRect twips;
        LabelWidth width;
        QRect pixels;  // width -1: at least as wide as the text
    } rows[] = {
        // inside the box's 2-pixel border
        {"a caption in a picture box counts from inside its border", true, "Hz", {120, 360, 255, 255},
         LabelWidth::GrowsToText, {10, 26, 17, 17}},
        {"a clipped caption keeps its design width", true, longText, {1800, 360, 135, 255}, LabelWidth::Clipped,
         {122, 26, 9, 17}},
        {"a caption on the window grows with its text", false, longText, {360, 4320, 135, 255},
         LabelWidth::GrowsToText, {24, 288, -1, 17}},
        {"a caption laid out two lines high breaks into lines", false, "fmod [Hz]", {840, 2400, 495, 495},
         LabelWidth::Wraps, {56, 160, 33, 33}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QLabel *label = row.inBox ? platform::boxLabel(box, caption, row.twips, row.width)
                                  : platform::designLabel(&window, caption, row.twips, row.width);
        EXPECT_EQ(label->wordWrap(), row.width == LabelWidth::Wraps);
        EXPECT_EQ(label->pos(), row.pixels.topLeft());
        EXPECT_EQ(label->height(), row.pixels.height());
        if (row.pixels.width() >= 0)
            EXPECT_EQ(label->width(), row.pixels.width());
        else
            EXPECT_GE(label->width(), label->sizeHint().width());
    }
}

TEST(DesignControls, NarrowFaceSetsCaptionsCloser)
{
    QWidget regular;
    QWidget narrow;
    platform::useDesignFont(regular);
    platform::useDesignFont(narrow, platform::DesignFace::Narrow);
    const QString caption = QStringLiteral("Frequenzänderung von  ");
    const int regularWidth = platform::designLabel(&regular, caption, QRect(0, 0, 15, 255))->width();
    const int narrowWidth = platform::designLabel(&narrow, caption, QRect(0, 0, 15, 255))->width();
    EXPECT_DOUBLE_EQ(narrow.font().pointSizeF(), platform::DesignFontPoints);
    // the layout gives this caption 113 pixels
    EXPECT_LE(narrowWidth, 113);
    EXPECT_LT(narrowWidth, regularWidth * 0.95);
}

TEST(DesignControls, ColoursAndFontsShowAsSet)
{
    QWidget window;
    platform::useDesignFont(window);
    QLabel *readOut = platform::designLabel(&window, QStringLiteral("500"), QRect(480, 360, 495, 255));
    platform::setLabelColors(readOut, QColor(0, 255, 0), Qt::black);
    platform::useFont(*readOut, 12, true, QStringLiteral("Symbol"));
    EXPECT_DOUBLE_EQ(readOut->font().pointSizeF(), 12);
    EXPECT_TRUE(readOut->font().bold());
    EXPECT_EQ(readOut->font().family(), QStringLiteral("Symbol"));

    const QImage shot = readOut->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_GT(testing_support::pixelsOf(shot, shot.rect(), QColor(0, 255, 0)), 10);

    auto *box = new platform::PictureBox(&window);
    box->resize(60, 40);
    const QColor ground(0xF0, 0xF0, 0xF0);
    box->setGroundColor(ground);
    box->surface().line(QPointF(0, 0), QPointF(10, 0));
    box->surface().clear();
    EXPECT_EQ(box->surface().image().pixelColor(20, 20), ground);
    EXPECT_EQ(box->grab().toImage().pixelColor(2 + 20, 2 + 20), ground);  // inside the 2-pixel border
}

TEST(DesignControls, ReturnClicksTheDefaultButtonUnlessAnotherHasTheFocus)
{
    const struct {
        const char *name;
        int focus;  // 0 the text box, 1 the default button, 2 the other button
        Qt::Key key;
        int defaultClicks, otherClicks;
    } rows[] = {
        {"Return in a text box", 0, Qt::Key_Return, 1, 0},
        {"Enter on the keypad in a text box", 0, Qt::Key_Enter, 1, 0},
        {"Return on the default button itself", 1, Qt::Key_Return, 1, 0},
        {"Return on another button presses that one", 2, Qt::Key_Return, 0, 1},
        {"another key does nothing", 0, Qt::Key_Tab, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QWidget window;
        auto *text = new platform::TextBox(&window);
        auto *play = new QPushButton(QStringLiteral("Wiedergabe"), &window);
        auto *quit = new QPushButton(QStringLiteral("Beenden"), &window);
        platform::setDefaultButton(window, *quit);
        int defaultClicks = 0;
        int otherClicks = 0;
        QObject::connect(quit, &QPushButton::clicked, [&] { ++defaultClicks; });
        QObject::connect(play, &QPushButton::clicked, [&] { ++otherClicks; });
        window.show();
        QWidget *focus[] = {text, quit, play};
        focus[row.focus]->setFocus();
        QTest::keyClick(focus[row.focus], row.key);
        EXPECT_TRUE(quit->isDefault());
        EXPECT_EQ(defaultClicks, row.defaultClicks);
        EXPECT_EQ(otherClicks, row.otherClicks);
    }
}
