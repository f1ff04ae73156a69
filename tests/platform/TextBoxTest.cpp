#include "platform/TextBox.h"

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

TEST(TextBox, TypingLimitStopsTypingOnly)
{
    const struct {
        const char *name;
        const char *assigned;
        const char *typed;  // '\b' is Backspace
        const char *shown;
    } rows[] = {
        {"typing stops at the limit", "", "123456", "1234"},
        {"an assigned longer text stays whole and takes no further typing", "440,5", "7", "440,5"},
        {"shortening it by typing works, but not growing it again", "440,5", "\b\b789", "4407"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        platform::TextBox box;
        box.setTypingLimit(4);
        box.setText(row.assigned);
        QStringList seen;
        box.setChangeHandler([&] { seen.append(box.text()); });
        box.setFocus();
        box.end(false);
        for (const char *key = row.typed; *key; ++key)
            *key == '\b' ? QTest::keyClick(&box, Qt::Key_Backspace) : QTest::keyClick(&box, *key);
        EXPECT_EQ(box.text(), row.shown);
        // refused keys run no handler
        EXPECT_EQ(seen.isEmpty() ? QString(row.assigned) : seen.last(), row.shown);
        EXPECT_FALSE(seen.contains(QString(row.shown) + QLatin1Char('7')));
    }
}
