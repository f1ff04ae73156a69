#include "demos/DemoFixture.h"

#include "demos/frame/SettingsFile.h"

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
