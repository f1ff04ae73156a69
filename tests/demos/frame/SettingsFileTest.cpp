#include "demos/DemoFixture.h"

#include "demos/frame/SettingsFile.h"
#include "demos/frame/SettingsRecord.h"

#include "platform/FileError.h"
#include "support/WaveBytes.h"

using namespace demo_tests;
using namespace testing_support;

namespace {
// Only how a program reads and writes its record matters here.
demos::DemoDescription recordOf(demos::SettingsAccess access, int length)
{
    demos::DemoDescription d;
    d.settingsAccess = access;
    d.recordLength = length;
    return d;
}
const demos::DemoDescription PlainSix = recordOf(demos::SettingsAccess::Binary, 6);
const demos::DemoDescription RandomTen = recordOf(demos::SettingsAccess::Random, 10);
const demos::DemoDescription TextRecord = recordOf(demos::SettingsAccess::Binary, 0);
} // namespace

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

namespace {
class SettingsFile : public DemoFixture {};
} // namespace

TEST_F(SettingsFile, RecordGoesToOffsetZeroAndTheTailStays)
{
    const struct {
        const char *name;
        const demos::DemoDescription &description;
        QByteArray record;
        QByteArray expectedHead;
    } rows[] = {
        {"plain record", PlainSix, hex("05 00 F4 01 05 00"), hex("05 00 F4 01 05 00")},
        {"random-access record is one full record", RandomTen, hex("00 00 FA 43 00 00 05 00"),
         hex("00 00 FA 43 00 00 05 00 00 00")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString fresh = path(QStringLiteral("neu.set"));
        QFile::remove(fresh);
        demos::writeSettingsFile(fresh, row.description, row.record);
        EXPECT_EQ(readFile(fresh), row.expectedHead);

        const QString longer = fileWith(QStringLiteral("lang.set"), QByteArray(40, 'x'));
        demos::writeSettingsFile(longer, row.description, row.record);
        EXPECT_EQ(readFile(longer), row.expectedHead + QByteArray(40 - row.expectedHead.size(), 'x'));
    }
}

TEST_F(SettingsFile, ReadingTakesTheRecordFromTheFront)
{
    const QString file = fileWith(QStringLiteral("werte.set"), hex("01 00 02 00 03 00 04 00 05 00 06 00"));
    EXPECT_EQ(demos::readSettingsFile(file, PlainSix), hex("01 00 02 00 03 00"));
    // a record with a text field takes as much as it needs
    EXPECT_EQ(demos::readSettingsFile(file, TextRecord).size(), 12);
    const QString shortFile = fileWith(QStringLiteral("kurz.set"), hex("09"));
    EXPECT_EQ(demos::readSettingsFile(shortFile, PlainSix), hex("09"));
    EXPECT_THROW(demos::readSettingsFile(path(QStringLiteral("fehlt.set")), PlainSix),
                 platform::FileError);
}
