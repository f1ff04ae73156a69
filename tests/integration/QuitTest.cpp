#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

namespace {

struct Quit {
    const char *name;
    const char *program;
    const char *clicks;  // what the user does before closing the last window
};

void PrintTo(const Quit &row, std::ostream *out)
{
    *out << row.name;
}

class QuitTest : public ::testing::TestWithParam<Quit> {};

long long monotonicMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

TEST_P(QuitTest, ProcessEndsSoonAfterTheLastWindowAndLeavesNoTemporaryFolder)
{
    const Quit &row = GetParam();
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELMORA_TEST_PLUGINS));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("velmoraclose:") + QString::fromUtf8(row.clicks));
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QString::fromUtf8(row.program), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    int clicks = 0;
    long long closed = -1;
    while (closed < 0) {
        if (!program.canReadLine()) {
            ASSERT_TRUE(program.waitForReadyRead(30000)) << "the windows were never all closed";
            continue;
        }
        const QString line = QString::fromUtf8(program.readLine()).trimmed();
        if (line.startsWith(QStringLiteral("clicked ")))
            ++clicks;
        else if (line.startsWith(QStringLiteral("closed ")))
            closed = line.section(QLatin1Char(' '), 1).toLongLong();
    }
    ASSERT_TRUE(program.waitForFinished(10000));
    const long long ended = monotonicMicroseconds();

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(clicks, QString::fromUtf8(row.clicks).count(QLatin1Char('|')) + 1) << "the tone was played before closing";
    // generous for a loaded machine; an idle one takes a few milliseconds
    EXPECT_LT(ended - closed, 1000 * 1000) << "microseconds from the last window to the end of the process";
    EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("velmora-*")}, QDir::AllEntries).join(u' ').toStdString(), "")
        << "the program's temporary folder is gone";
}

INSTANTIATE_TEST_SUITE_P(Programs, QuitTest,
                         ::testing::Values(Quit{"Diraz", VELMORA_DIRAZ, "Wiedergabe"},
                                           Quit{"Zezevav", VELMORA_ZEZEVAV, "Weiter ->|Testton"}),
                         [](const ::testing::TestParamInfo<Quit> &info) { return std::string(info.param.name); });

} // namespace
