#pragma once

#include "support/RecordingServices.h"

#include "demos/frame/DemoFrame.h"
#include "demos/frame/SettingsRecord.h"
#include "platform/ScrollBar.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <vector>

namespace demo_tests {

// One 16-bit field of a record of sliders, with the range its slider takes.
struct SliderField {
    platform::ScrollBar *slider;
    int lowest;
    int highest;
};

// Random, truncated and overlong files: each load either applies every field or shows the
// message, and in both cases the fields before the first refused one hold the file's values
// and the others their old ones. Both outcomes must have come up often.
inline void expectEveryFileAppliedWholeOrReported(demos::DemoFrame &frame, std::span<const SliderField> fields,
                                                  testing_support::RecordingServices &services, const QString &file,
                                                  unsigned seed)
{
    std::mt19937 random(seed);
    // values near the ranges most of the time, anything at all otherwise
    auto fieldValue = [&](const SliderField &field) {
        if (random() % 8 == 0)
            return int(std::int16_t(random()));
        std::uniform_int_distribution<int> near(field.lowest - 1, field.highest + 1);
        return near(random);
    };
    const int count = int(fields.size());
    int applied = 0;
    int reported = 0;
    for (int round = 0; round < 600; ++round) {
        demos::SettingsWriter writer;
        for (const SliderField &field : fields)
            writer.int16(std::int16_t(fieldValue(field)));
        QByteArray bytes = writer.record();
        if (round % 3 == 0)
            bytes.truncate(int(random() % (2 * count + 1)));
        else if (round % 3 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();

        std::vector<int> before;
        for (const SliderField &field : fields)
            before.push_back(field.slider->value());
        services.messages.clear();
        services.dialogAnswers = {file};

        frame.loadSettings();

        demos::SettingsReader expected(bytes);
        int firstRefused = count;
        std::vector<int> values;
        for (int i = 0; i < count; ++i) {
            values.push_back(expected.int16());
            const SliderField &field = fields[std::size_t(i)];
            if (firstRefused == count && (values.back() < field.lowest || values.back() > field.highest))
                firstRefused = i;
        }
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        ASSERT_EQ(services.messages.size(), firstRefused == count ? 0 : 1);
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(fields[std::size_t(i)].slider->value(), i < firstRefused ? values[std::size_t(i)] : before[std::size_t(i)])
                << "field " << i;
        (firstRefused == count ? applied : reported) += 1;
    }
    EXPECT_GT(applied, 50);
    EXPECT_GT(reported, 50);
}

} // namespace demo_tests
