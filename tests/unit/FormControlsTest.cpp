#include "platform/FileError.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "support/RecordingServices.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(TextBox, MaximumLengthAlsoCutsAssignedText)
{
    platform::TextBox box;
    box.setMaxLength(5);
    QStringList seen;
    box.setChangeHandler([&] { seen.append(box.text()); });
    box.setText(QStringLiteral("1234567"));
    EXPECT_EQ(box.text(), QStringLiteral("12345"));
    box.setText(QStringLiteral("12345"));  // same text: no change
    box.setText(QString());
    EXPECT_EQ(seen, (QStringList{"12345", ""}));
}

TEST(TextBox, HandlerMayAssignItsOwnText)
{
    // "empty becomes 0": the handler writes the box again and runs once more
    platform::TextBox box;
    box.setText(QStringLiteral("5"));
    int runs = 0;
    box.setChangeHandler([&] {
        ++runs;
        if (box.text().isEmpty())
            box.setText(QStringLiteral("0"));
    });
    box.clear();
    EXPECT_EQ(box.text(), QStringLiteral("0"));
    EXPECT_EQ(runs, 2);
}

TEST(TextBox, AssignedTextShowsFromItsStartTypingKeepsTheCursor)
{
    platform::TextBox box;
    box.resize(33, 19);
    box.show();
    box.setFocus();
    // a value the program assigns: the first digits are the ones the student must read
    box.setText(QStringLiteral("1,234568E+07"));
    EXPECT_EQ(box.cursorPosition(), 0);
    // the user types at the end; the handler rewrites the box ("0500" becomes "500")
    box.setText(QStringLiteral("050"));
    box.setCursorPosition(3);
    box.setChangeHandler([&] {
        if (box.text().startsWith(QLatin1Char('0')) && box.text().size() > 1)
            box.setText(box.text().mid(1));
    });
    QTest::keyClick(&box, Qt::Key_0);
    EXPECT_EQ(box.text(), QStringLiteral("500"));
    EXPECT_EQ(box.cursorPosition(), 3) << "still behind what was typed";
}

TEST(Twips, FifteenTwipsPerPixel)
{
    EXPECT_EQ(platform::twipsRect(4080, 1440, 375, 2655), QRect(272, 96, 25, 177));
    EXPECT_EQ(platform::twipsToPixels(8415), 561);
    EXPECT_EQ(platform::twipsToPixels(7), 0);
    EXPECT_EQ(platform::twipsToPixels(8), 1);
    EXPECT_EQ(platform::twipsToPixels(-8), -1);
}

TEST(ScrollBar, ErrorOfAHandlerAfterAUserMoveIsShownNotThrown)
{
    struct Row {
        const char *name;
        std::function<void()> fail;
        QString shown;
    };
    const platform::FileError fileError(QStringLiteral("/nur/lesbar/dummy.wav"), QStringLiteral("Zugriff verweigert"));
    const Row rows[] = {
        {"a file that could not be written", [&] { throw fileError; }, fileError.message()},
        {"any other failure", [] { throw std::runtime_error("Abtastwert zu groß"); },
         QStringLiteral("Der Vorgang konnte nicht ausgeführt werden:\nAbtastwert zu groß")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        platform::ScrollBar bar(Qt::Vertical);
        bar.setRange(14, -10);
        bar.setValue(-5);
        recorder.setMousePointer(platform::MousePointer::Hourglass);
        bar.setChangeHandler(row.fail);
        bar.userAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(bar.value(), -4);
        ASSERT_EQ(recorder.messages.size(), 1);
        EXPECT_EQ(recorder.messages[0].text, row.shown);
        EXPECT_EQ(recorder.messages[0].icon, platform::MessageIcon::Critical);
        EXPECT_EQ(recorder.pointerChanges.last(), platform::MousePointer::Default);
    }
}
