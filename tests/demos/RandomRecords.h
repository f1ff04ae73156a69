#pragma once

#include "demos/frame/DemoFrame.h"
#include "demos/frame/SettingsRecord.h"
#include "platform/ScrollBar.h"
#include "support/RecordingServices.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <span>
#include <vector>

namespace demo_tests {

struct SliderField {
    platform::ScrollBar *slider;
    int lowest;
    int highest;
};

// Settings records of 16-bit slider fields for robustness tests: values near the ranges most of
// the time, anything otherwise; a third of the records cut short, a third with bytes behind.
class RandomRecords {
public:
    RandomRecords(std::vector<SliderField> fields, unsigned seed)
        : random(seed)
        , m_fields(std::move(fields))
    {
    }

    // The slider fields behind `head`, shaped by the round.
    QByteArray next(int round, const QByteArray &head = QByteArray())
    {
        demos::SettingsWriter writer;
        writer.bytes(head);
        for (const SliderField &field : m_fields)
            writer.int16(std::int16_t(fieldValue(field)));
        QByteArray bytes = writer.record();
        if (round % 3 == 0)
            bytes.truncate(int(random() % (bytes.size() + 1)));
        else if (round % 3 == 1)
            bytes.append(QByteArray(int(random() % 20), char(random())));
        return bytes;
    }

    std::mt19937 random;

    std::vector<int> values() const
    {
        std::vector<int> now;
        for (const SliderField &field : m_fields)
            now.push_back(field.slider->value());
        return now;
    }

    // The slider values a load of `bytes` leaves, fields read from `offset` on, given those
    // before it: the file's up to the first refused field, the old ones from there. Nothing
    // changes when the head is refused. `refused` tells whether a message is due.
    std::vector<int> expected(const QByteArray &bytes, int offset, const std::vector<int> &before, bool headRefused,
                              bool &refused) const
    {
        demos::SettingsReader record(bytes);
        record.bytes(offset);
        std::vector<int> after = before;
        refused = headRefused;
        for (std::size_t i = 0; i < m_fields.size() && !refused; ++i) {
            const int value = record.int16();
            refused = value < m_fields[i].lowest || value > m_fields[i].highest;
            if (!refused)
                after[i] = value;
        }
        return after;
    }

private:
    int fieldValue(const SliderField &field)
    {
        if (random() % 4 == 0)
            return int(std::int16_t(random()));
        std::uniform_int_distribution<int> near(field.lowest - 2, field.highest + 2);
        return near(random);
    }

    std::vector<SliderField> m_fields;
};

// What a program adds to its slider fields: a head in front of them (its bytes from the random
// source, and whether the load must refuse it before any slider moves), and a check after each load.
struct RecordHead {
    std::function<QByteArray()> make = [] { return QByteArray(); };
    std::function<bool(const QByteArray &record)> refused = [](const QByteArray &) { return false; };
    std::function<void(const QByteArray &record)> check = [](const QByteArray &) {};
};

struct LoadRounds {
    int applied = 0;
    int reported = 0;
};

// Loads `rounds` random records through the frame, each written by `writeFile`: the sliders
// before the first refused field take the file's values, the others keep theirs, and a message
// comes exactly when a field or the head was refused.
inline LoadRounds loadRandomRecords(demos::DemoFrame &frame, RandomRecords &records,
                                    testing_support::RecordingServices &services,
                                    const std::function<QString(const QByteArray &)> &writeFile, int rounds,
                                    const RecordHead &head = RecordHead())
{
    LoadRounds outcome;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray headBytes = head.make();
        const QByteArray bytes = records.next(round, headBytes);
        const std::vector<int> before = records.values();
        services.messages.clear();
        services.dialogAnswers = {writeFile(bytes)};

        frame.loadSettings();

        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        bool refused = false;
        EXPECT_EQ(records.values(), records.expected(bytes, int(headBytes.size()), before, head.refused(bytes), refused));
        EXPECT_EQ(services.messages.size(), refused ? 1 : 0);
        head.check(bytes);
        (refused ? outcome.reported : outcome.applied) += 1;
        if (::testing::Test::HasFailure())
            break;
    }
    return outcome;
}

// 600 random, truncated and overlong records of slider fields loaded through `file`: each load
// applies the fields before the first refused one, and both outcomes come up often.
inline void expectEveryFileAppliedWholeOrReported(demos::DemoFrame &frame, std::span<const SliderField> fields,
                                                  testing_support::RecordingServices &services, const QString &file,
                                                  unsigned seed)
{
    RandomRecords records(std::vector<SliderField>(fields.begin(), fields.end()), seed);
    const LoadRounds outcome = loadRandomRecords(
        frame, records, services,
        [&](const QByteArray &bytes) {
            QFile out(file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(bytes);
            return file;
        },
        600);
    // both outcomes were exercised
    EXPECT_GT(outcome.applied, 20);
    EXPECT_GT(outcome.reported, 20);
}

} // namespace demo_tests
