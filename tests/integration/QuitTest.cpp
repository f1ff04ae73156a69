#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct Quit {
    const char *name;
    QStringList command;
    QStringList clicks;  // what the user does before closing the last window, in order
    bool visitsWebPage;  // one of the clicks hands the suite's page to the desktop's browser
};

void PrintTo(const Quit &row, std::ostream *out)
{
    *out << row.name;
}

QStringList repeated(const QString &click, int times)
{
    QStringList clicks;
    for (int i = 0; i < times; ++i)
        clicks << click;
    return clicks;
}

long long monotonicMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// A private X server for the whole suite of cases: the browser hand-over needs a real desktop
// connection, which the offscreen platform does not offer.
class QuitTest : public ::testing::TestWithParam<Quit> {
public:
    static void SetUpTestSuite()
    {
        s_server = std::make_unique<QProcess>();
        // the server writes its display number once it accepts clients
        s_server->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                  QStringLiteral("-screen"), QStringLiteral("0"),
                                                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                                  QStringLiteral("tcp")});
        while (s_server->waitForReadyRead(10000) && !s_server->canReadLine()) {
        }
        const QByteArray number = s_server->readLine().trimmed();
        if (!number.isEmpty())
            s_display = QStringLiteral(":") + QString::fromLatin1(number);
    }
    static void TearDownTestSuite()
    {
        s_server->kill();
        s_server->waitForFinished();
        s_server.reset();
    }

protected:
    static inline std::unique_ptr<QProcess> s_server;
    static inline QString s_display;
};

TEST_P(QuitTest, ProcessEndsSoonAfterTheLastWindowAndLeavesNoTemporaryFolder)
{
    const Quit &row = GetParam();
    ASSERT_FALSE(s_display.isEmpty()) << "Xvfb did not start";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    // the desktop's opener, as a browser that takes a while to hand the page on
    const QString opened = tmp.filePath(QStringLiteral("opened.txt"));
    const QString bin = tmp.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    {
        QFile opener(bin + QStringLiteral("/xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexec sleep 2\n").arg(opened).toUtf8());
        opener.close();
        opener.setPermissions(opener.permissions() | QFile::ExeOwner);
    }

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), s_display);
    env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELMORA_TEST_PLUGINS));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("velmoraclose:") + row.clicks.join(QLatin1Char('|')));
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    env.insert(QStringLiteral("VELMORA_CLASS_STORE"), tmp.filePath(QStringLiteral("Classes.ini")));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(row.command.constFirst(), row.command.mid(1));
    ASSERT_TRUE(program.waitForStarted(10000));

    int clicks = 0;
    long long closed = -1;
    while (closed < 0) {
        if (!program.canReadLine()) {
            ASSERT_TRUE(program.waitForReadyRead(60000)) << "the windows were never all closed";
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
    EXPECT_EQ(clicks, row.clicks.size()) << "every click was made before closing";
    RecordProperty("quitMicroseconds", std::to_string(ended - closed));
    EXPECT_LT(ended - closed, 200 * 1000) << "microseconds from the last window to the end of the process";
    EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("velmora-*")}, QDir::AllEntries).join(u' ').toStdString(), "")
        << "the program's temporary folder is gone";
    if (row.visitsWebPage) {
        QFile page(opened);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << "the browser was never asked";
        EXPECT_EQ(page.readAll().trimmed().toStdString(), "https://velmora.example/velmora/index.html");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, QuitTest,
    ::testing::Values(
        Quit{"Diraz", {QStringLiteral(VELMORA_DIRAZ)}, {QStringLiteral("Wiedergabe")}, false},
        Quit{"Zezevav", {QStringLiteral(VELMORA_ZEZEVAV)}, {QStringLiteral("Weiter ->"), QStringLiteral("Testton")}, false},
        // the calibration tone twenty times, through the wizard, then the web page
        Quit{"ZezevavAfterTwentyTonesAndTheWebPage",
             {QStringLiteral(VELMORA_ZEZEVAV)},
             QStringList{QStringLiteral("Weiter ->")} + repeated(QStringLiteral("Testton"), 20)
                 + QStringList{QStringLiteral("Weiter ->"), QStringLiteral("Ok"),
                               QStringLiteral("\"velmora\" besuchen...")},
             true},
        Quit{"SorvenaInTheControlHost",
             {QStringLiteral(VELMORA_CONTROLHOST), QStringLiteral(VELMORA_SORVENA)},
             {QStringLiteral("Wiedergabe")},
             false}),
    [](const ::testing::TestParamInfo<Quit> &info) { return std::string(info.param.name); });

} // namespace
