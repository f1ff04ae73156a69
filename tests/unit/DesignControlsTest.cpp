#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Inside the picture box's 2-pixel border.
constexpr int Border = 2;

QColor greenestPixel(const QImage &image)
{
    QColor best(0, 0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() - c.red() - c.blue() > best.green() - best.red() - best.blue())
                best = c;
        }
    return best;
}

} // namespace

TEST(DesignControls, LabelsAreWhereTheLayoutPutsThem)
{
    QWidget window;
    platform::useDesignFont(window);
    auto *box = new platform::PictureBox(&window);
    platform::setTwipsGeometry(box, 600, 300, 6015, 1695);
    struct Row {
        const char *name;
        std::function<QLabel *()> make;
        QRect pixels;       // width -1: at least as wide as the text
        bool wraps = false;
    };
    const QString longText = QStringLiteral("Die  Amplitude der modulierenden Schwingung");
    const Row rows[] = {
        {"a caption in a picture box counts from inside its border",
         [&] { return platform::boxLabel(box, QStringLiteral("Hz"), QRect(120, 360, 255, 255)); },
         QRect(8 + Border, 24 + Border, 17, 17)},
        {"a clipped caption keeps its design width",
         [&] { return platform::boxLabel(box, longText, QRect(1800, 360, 135, 255), platform::LabelWidth::Clipped); },
         QRect(120 + Border, 24 + Border, 9, 17)},
        {"a caption on the window grows with its text",
         [&] { return platform::designLabel(&window, longText, QRect(360, 4320, 135, 255)); },
         QRect(24, 288, -1, 17)},
        {"a caption laid out two lines high breaks into lines",
         [&] { return platform::designLabel(&window, QStringLiteral("fmod [Hz]"), QRect(840, 2400, 495, 495), platform::LabelWidth::Wraps); },
         QRect(56, 160, 33, 33), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QLabel *label = row.make();
        EXPECT_EQ(label->wordWrap(), row.wraps);
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
    const QColor text = greenestPixel(shot);
    EXPECT_GT(text.green(), 200);
    EXPECT_LT(text.red() + text.blue(), 60);

    auto *box = new platform::PictureBox(&window);
    box->resize(60, 40);
    const QColor ground(0xF0, 0xF0, 0xF0);
    box->setGroundColor(ground);
    box->surface().line(QPointF(0, 0), QPointF(10, 0));
    box->surface().clear();
    EXPECT_EQ(box->surface().image().pixelColor(20, 20), ground);
    EXPECT_EQ(box->grab().toImage().pixelColor(Border + 20, Border + 20), ground);
}

TEST(TextBox, TypingLimitStopsTypingOnly)
{
    struct Row {
        const char *name;
        QString assigned;
        std::function<void(QWidget *)> type;
        QString shown;
    };
    const Row rows[] = {
        {"typing stops at the limit", QString(), [](QWidget *w) { QTest::keyClicks(w, QStringLiteral("123456")); },
         QStringLiteral("1234")},
        {"an assigned longer text stays whole", QStringLiteral("440,5"), [](QWidget *) {}, QStringLiteral("440,5")},
        {"a longer text takes no further typing", QStringLiteral("440,5"),
         [](QWidget *w) { QTest::keyClicks(w, QStringLiteral("7")); }, QStringLiteral("440,5")},
        {"shortening it by typing works, but not growing it again", QStringLiteral("440,5"),
         [](QWidget *w) {
             QTest::keyClick(w, Qt::Key_Backspace);
             QTest::keyClick(w, Qt::Key_Backspace);
             QTest::keyClicks(w, QStringLiteral("789"));
         },
         QStringLiteral("4407")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        platform::TextBox box;
        box.setTypingLimit(4);
        box.setText(row.assigned);
        QStringList seen;
        box.setChangeHandler([&] { seen.append(box.text()); });
        box.setFocus();
        box.end(false);
        row.type(&box);
        EXPECT_EQ(box.text(), row.shown);
        // refused keys run no handler
        EXPECT_EQ(seen.isEmpty() ? row.assigned : seen.last(), row.shown);
        EXPECT_FALSE(seen.contains(row.shown + QLatin1Char('7')));
    }
}

TEST(DesignControls, ReturnClicksTheDefaultButtonUnlessAnotherHasTheFocus)
{
    struct Row {
        const char *name;
        int focus;  // 0 the text box, 1 the default button, 2 the other button
        Qt::Key key;
        int defaultClicks;
        int otherClicks;
    };
    const Row rows[] = {
        {"Return in a text box", 0, Qt::Key_Return, 1, 0},
        {"Enter on the keypad in a text box", 0, Qt::Key_Enter, 1, 0},
        {"Return on the default button itself", 1, Qt::Key_Return, 1, 0},
        {"Return on another button presses that one", 2, Qt::Key_Return, 0, 1},
        {"another key does nothing", 0, Qt::Key_Tab, 0, 0},
    };
    for (const Row &row : rows) {
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
