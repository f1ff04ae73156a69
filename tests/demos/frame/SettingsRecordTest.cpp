#include "demos/frame/SettingsRecord.h"

#include "support/WaveBytes.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(SettingsRecord, FieldsAreLittleEndianWithoutPadding)
{
    const struct {
        const char *name;
        QByteArray record;
        QByteArray expected;
    } rows[] = {
        {"beats start setting: 500 Hz as a single, offset 0, 5 s, level 6",
         demos::SettingsWriter().single(500.0f).int16(0).int16(5).int16(6).record(), hex("00 00 FA 43 00 00 05 00 06 00")},
        {"spectrum: 100, 50, 25, 0 %, 1000 Hz, 10 s",
         demos::SettingsWriter().int16(100).int16(50).int16(25).int16(0).int16(1000).int16(10).record(),
         hex("64 00 32 00 19 00 00 00 E8 03 0A 00")},
        {"negative offset", demos::SettingsWriter().int16(-20).record(), hex("EC FF")},
        {"text with its length", demos::SettingsWriter().uint16(3).bytes("440").record(), hex("03 00 34 34 30")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.record, row.expected);
    }
}

TEST(SettingsRecord, BytesTheFileLacksReadAsZero)
{
    demos::SettingsReader reader(hex("EC FF 00 00 FA 43 07"));
    EXPECT_EQ(reader.int16(), -20);
    EXPECT_EQ(reader.single(), 500.0f);
    EXPECT_EQ(reader.int16(), 7);  // high byte missing
    EXPECT_EQ(reader.uint16(), 0);
    EXPECT_EQ(reader.bytes(3), QByteArray(3, '\0'));
}
