#include "platform/FileError.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

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
