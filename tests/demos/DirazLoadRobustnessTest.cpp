#include "DemoFixture.h"

#include "demos/diraz/Eingabe.h"
#include "demos/frame/SettingsRecord.h"

#include "platform/ScrollBar.h"

#include <random>

using namespace demo_tests;

namespace {

struct Field {
    platform::ScrollBar *slider;
    int lowest;
    int highest;
};

class DirazLoadRobustness : public DemoFixture {};

} // namespace

// Random, truncated and overlong files: the load either applies every field or shows the
// message, and in both cases the fields before the first refused one hold the file's values.
TEST_F(DirazLoadRobustness, EveryFileIsAppliedWholeOrReported)
{
    diraz::Eingabe window;
    const Field fields[] = {{window.VScroll1, 0, 9}, {window.HScroll1, 0, 20000}, {window.HScroll2, 1, 9}};
    std::mt19937 random(20261209);
    // values near the ranges most of the time, anything at all otherwise
    auto fieldValue = [&](const Field &field) {
        if (random() % 4 == 0)
            return int(std::int16_t(random()));
        std::uniform_int_distribution<int> near(field.lowest - 2, field.highest + 2);
        return near(random);
    };

    const QString file = path(QStringLiteral("zufall.set"));
    int applied = 0;
    int reported = 0;
    for (int round = 0; round < 600; ++round) {
        demos::SettingsWriter writer;
        for (const Field &field : fields)
            writer.int16(std::int16_t(fieldValue(field)));
        QByteArray bytes = writer.record();
        if (round % 3 == 0)
            bytes.truncate(int(random() % 7));
        else if (round % 3 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));
        fileWith(QStringLiteral("zufall.set"), bytes);

        int before[3];
        for (int i = 0; i < 3; ++i)
            before[i] = fields[i].slider->value();
        services.messages.clear();
        services.dialogAnswers = {file};

        window.frame().loadSettings();

        demos::SettingsReader expected(bytes);
        int firstRefused = 3;
        int values[3];
        for (int i = 0; i < 3; ++i) {
            values[i] = expected.int16();
            if (firstRefused == 3 && (values[i] < fields[i].lowest || values[i] > fields[i].highest))
                firstRefused = i;
        }
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(services.messages.size(), firstRefused == 3 ? 0 : 1);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(fields[i].slider->value(), i < firstRefused ? values[i] : before[i]) << "field " << i;
        (firstRefused == 3 ? applied : reported) += 1;
    }
    // both outcomes were exercised
    EXPECT_GT(applied, 50);
    EXPECT_GT(reported, 50);
}
