#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/rozurovev/frmMain.h"

#include "platform/Convert.h"
#include "platform/TextBox.h"

#include <bit>
#include <cmath>
#include <limits>

using namespace demo_tests;

namespace {
class RozurovevLoadRobustness : public DemoFixture {};
} // namespace

// Random, truncated and overlong records: a first frequency that is no finite number changes
// nothing; otherwise the text and the sliders before the first refused one hold the file's values.
TEST_F(RozurovevLoadRobustness, EveryRecordIsAppliedInOrderOrReported)
{
    rozurovev::frmMain window;
    RandomRecords records({{window.HScroll2, -20, 20}, {window.HScroll1, 1, 9}, {window.HScroll3, 0, 10}}, 20261214);
    QString textBefore = window.Text1->text();
    int refusedFrequency = 0;
    auto frequencyIn = [](const QByteArray &record) { return demos::SettingsReader(record).single(); };

    RecordHead frequency;
    frequency.make = [&] {
        float f1 = 0;
        switch (records.random() % 5) {
        case 0: f1 = std::bit_cast<float>(std::uint32_t(records.random())); break;  // NaN and infinity included
        case 1: f1 = std::numeric_limits<float>::infinity() * (records.random() % 2 ? 1.0f : -1.0f); break;
        case 2: f1 = std::numeric_limits<float>::quiet_NaN(); break;
        default: f1 = float(int(records.random() % 200000)) / 10.0f;
        }
        return demos::SettingsWriter().single(f1).record();
    };
    frequency.refused = [&](const QByteArray &record) { return !std::isfinite(frequencyIn(record)); };
    frequency.check = [&](const QByteArray &record) {
        const float f1 = frequencyIn(record);
        if (std::isfinite(f1)) {
            EXPECT_EQ(window.Text1->text(), platform::Convert::singleToText(f1));
        } else {
            EXPECT_EQ(window.Text1->text(), textBefore);
            ++refusedFrequency;
        }
        textBefore = window.Text1->text();
    };

    const LoadRounds outcome = loadRandomRecords(
        window.frame(), records, services,
        [&](const QByteArray &bytes) { return fileWith(QStringLiteral("zufall.set"), bytes); }, 600, frequency);
    EXPECT_GT(outcome.applied, 30);
    EXPECT_GT(outcome.reported, 50);
    EXPECT_GT(refusedFrequency, 50);
}
