#include "audiometry/Audiogram.h"
#include "audiometry/LevelPlot.h"
#include "support/MonitorRecording.h"
#include "support/XServer.h"
#include "support/WaveBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cmath>

using namespace testing_support;

namespace {

// A real X server, input through it (xdotool), and the program asked what it shows through
// the driver plugin: what a student does while a tone plays must wait for the tone, in order.
class Program {
public:
    bool start(const QString &tmp, const QStringList &command = {QStringLiteral(VELMORA_ZEZEVAV)})
    {
        m_display = m_x.display();
        if (m_display.isEmpty())
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VELMORA_TEST_PLUGINS));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("velmoradriver"));
        env.insert(QStringLiteral("TMPDIR"), tmp);
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        env.insert(QStringLiteral("VELMORA_CLASS_STORE"), tmp + QStringLiteral("/Classes.ini"));
        m_program.setProcessEnvironment(env);
        m_program.start(command.constFirst(), command.mid(1));
        return m_program.waitForStarted(10000);
    }

    ~Program()
    {
        m_program.kill();
        m_program.waitForFinished(3000);
    }

    QString ask(const QString &question, int timeoutMs = 20000)
    {
        m_program.write(question.toUtf8() + '\n');
        QElapsedTimer clock;
        clock.start();
        while (!m_program.canReadLine()) {
            if (clock.elapsed() > timeoutMs || !m_program.waitForReadyRead(timeoutMs))
                return QStringLiteral("no answer");
        }
        return QString::fromUtf8(m_program.readLine()).trimmed();
    }

    // Waits until nothing holds the program, then a little longer for held input to be handled.
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            ask(QStringLiteral("idle"));
            QThread::msleep(150);
        }
        ask(QStringLiteral("idle"));
    }

    QRect rect(const QString &name)
    {
        for (int tries = 0; tries < 100; ++tries) {
            const QStringList f = ask(QStringLiteral("rect ") + name).split(u' ');
            if (f.size() == 5)
                return QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
            QThread::msleep(100);
        }
        return {};
    }

    int value(const QString &bar) { return ask(QStringLiteral("value ") + bar).section(u' ', 1).toInt(); }

    // "state cursor=0 boxes=1 …" as a map
    QString state(const QString &key)
    {
        static const QRegularExpression field(QStringLiteral("(\\w+)=(\\S*)"));
        const QString line = ask(QStringLiteral("state"));
        for (auto m = field.globalMatch(line); m.hasNext();) {
            const auto match = m.next();
            if (match.captured(1) == key)
                return match.captured(2);
        }
        return QStringLiteral("?");
    }

    // xdotool through the X server, as a hand on the mouse would
    void xdo(const QStringList &arguments)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(5000);
    }
    void clickAt(QPoint at)
    {
        xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QStringLiteral("1")});
    }

    // pressed, held as a hand holds a click, released, while the pointer stays where it is
    void press(QPoint at)
    {
        xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("mousedown"),
             QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.09"), QStringLiteral("mouseup"),
             QStringLiteral("1")});
    }

    // what a window manager sends when the close box is clicked
    bool closeBox(const QString &title)
    {
        QProcess search;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        search.setProcessEnvironment(env);
        search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)});
        search.waitForFinished(5000);
        const Window window = search.readAllStandardOutput().trimmed().split('\n').value(0).toULong();
        Display *display = window ? XOpenDisplay(m_display.toLatin1().constData()) : nullptr;
        if (!display)
            return false;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
        XCloseDisplay(display);
        return sent;
    }

    QProcess &process() { return m_program; }

private:
    XServer m_x;
    QString m_display;
    QProcess m_program;
};

// the top arrow of a vertical bar, which raises a level bar's value
QPoint upArrow(const QRect &bar)
{
    return QPoint(bar.center().x(), bar.top() + std::min(bar.width(), bar.height()) / 3);
}

// Peaks of 20 ms blocks of the right channel, grouped into runs of one level.
std::vector<int> tonePeaks(const QByteArray &raw)
{
    const std::vector<std::int16_t> s = samples(raw);
    std::vector<int> blocks;
    for (std::size_t at = 0; at + 2 * 882 <= s.size(); at += 2 * 882) {
        int p = 0;
        for (std::size_t j = at; j < at + 2 * 882; j += 2)
            p = std::max(p, std::abs(int(s[j + 1])));
        blocks.push_back(p);
    }
    std::vector<int> runs;
    int length = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const bool same = i > 0 && blocks[i] > 50 && std::abs(blocks[i] - blocks[i - 1]) <= blocks[i] / 40;
        length = same ? length + 1 : 1;
        // a run of 0.3 s or more is a tone of its own
        if (length == 15)
            runs.push_back(blocks[i]);
    }
    return runs;
}

// the arrow that raises a horizontal bar's value
QPoint rightArrow(const QRect &bar)
{
    return QPoint(bar.right() - std::min(bar.width(), bar.height()) / 3, bar.center().y());
}

// Seconds in which something was heard, in 20 ms blocks: tones that follow each other at once
// add up, whatever their levels.
double soundingSeconds(const QByteArray &raw)
{
    const std::vector<std::int16_t> s = samples(raw);
    int loud = 0;
    for (std::size_t at = 0; at + 2 * 882 <= s.size(); at += 2 * 882) {
        int p = 0;
        for (std::size_t j = at; j < at + 2 * 882; ++j)
            p = std::max(p, std::abs(int(s[j])));
        loud += p > 50;
    }
    return loud * 0.02;
}

QString toneFolder(const QString &tmp)
{
    const QStringList folders = QDir(tmp).entryList({QStringLiteral("velmora-*")}, QDir::Dirs);
    return folders.isEmpty() ? QString() : QDir(tmp).filePath(folders.constFirst());
}

} // namespace

TEST(InputDuringTone, WaitsForTheToneInOrderAndOneFailureGivesOneMessage)
{
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/deps installs them)";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    Program program;
    ASSERT_TRUE(program.start(tmp.path()));

    // the wizard: "Weiter ->" while the test tone plays opens the next page after the tone
    const QPoint first = program.rect(QStringLiteral("Weiter ->")).center();
    program.settle();
    program.clickAt(first);
    program.settle();
    const QPoint testTone = program.rect(QStringLiteral("Testton")).center();
    const QPoint next = program.rect(QStringLiteral("Weiter ->")).center();
    ASSERT_NE(testTone, QPoint());
    program.clickAt(testTone);
    QThread::msleep(200);
    program.clickAt(next);
    program.settle();
    EXPECT_EQ(program.state(QStringLiteral("windows")).count(QStringLiteral("Feinabstimmung")), 1);
    EXPECT_EQ(program.state(QStringLiteral("cursor")), QStringLiteral("0")) << "the hourglass stayed";
    EXPECT_EQ(QDir(toneFolder(tmp.path())).entryList(QDir::Files).join(u' ').toStdString(), "")
        << "the page's tone file stayed";
    program.clickAt(program.rect(QStringLiteral("Ok")).center());
    program.settle();
    program.clickAt(program.rect(QStringLiteral("Test starten")).center());
    program.settle();

    // "OK" during the first 50 Hz tone records that tone's level
    const QRect bar = program.rect(QStringLiteral("rVScroll1"));
    ASSERT_TRUE(bar.isValid());
    program.clickAt(upArrow(bar));
    QThread::msleep(150);
    program.clickAt(program.rect(QStringLiteral("rCm1")).center());
    program.settle();

    // three arrow clicks, the second and third during a tone: three tones, one level higher each
    const int before = program.value(QStringLiteral("rVScroll2"));
    {
        MonitorRecording recording(sink);
        ASSERT_TRUE(recording.started());
        for (int click = 0; click < 3; ++click) {
            program.clickAt(upArrow(bar));
            QThread::msleep(300);
        }
        program.settle();
        const std::vector<int> peaks = tonePeaks(recording.stop());
        std::string heard;
        for (int p : peaks)
            heard += std::to_string(p) + ' ';
        EXPECT_EQ(peaks.size(), 3u) << "one tone per click; peaks heard: " << heard;
        for (std::size_t i = 1; i < peaks.size(); ++i)
            EXPECT_NEAR(double(peaks[i]) / peaks[i - 1], std::pow(10.0, 1 / 20.0), 0.01) << "tone " << i;
    }
    // the inner bar counts from the top value down
    EXPECT_EQ(before - program.value(QStringLiteral("rVScroll2")), 3);

    // a tone that cannot be written, the arrow held: one message, one step
    const QString folder = toneFolder(tmp.path());
    ASSERT_FALSE(folder.isEmpty());
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("dummy.wav")));
    const int held = program.value(QStringLiteral("rVScroll2"));
    const QPoint arrow = upArrow(bar);
    program.xdo({QStringLiteral("mousemove"), QString::number(arrow.x()), QString::number(arrow.y()),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("1.2"),
                 QStringLiteral("mouseup"), QStringLiteral("1")});
    QThread::msleep(300);
    EXPECT_EQ(program.state(QStringLiteral("boxes")), QStringLiteral("1"));
    program.xdo({QStringLiteral("key"), QStringLiteral("Return")});
    QThread::msleep(1500);
    program.settle();
    EXPECT_EQ(program.state(QStringLiteral("boxes")), QStringLiteral("1")) << "one click, one message";
    EXPECT_EQ(held - program.value(QStringLiteral("rVScroll2")), 1) << "the bar moved by the click's step only";
    ASSERT_TRUE(QDir(folder).rmdir(QStringLiteral("dummy.wav")));

    // the audiogram shows the level "OK" was clicked in: the first tone's, not the one before
    // (an OK shows only once its bar has played)
    program.ask(QStringLiteral("click rCm2"));
    for (const char ear : {'r', 'l'}) {
        for (int i = ear == 'r' ? 3 : 1; i <= 11; ++i) {
            // the left ear a page further, so that its curve does not cover the right one
            program.ask(QStringLiteral("step %1VScroll%2%3").arg(ear).arg(i).arg(ear == 'l' ? " page" : ""));
            program.ask(QStringLiteral("click %1Cm%2").arg(ear).arg(i));
        }
    }
    program.settle();
    const QString shot = tmp.filePath(QStringLiteral("audiogram.png"));
    ASSERT_EQ(program.ask(QStringLiteral("grab Ausgabe ") + shot), QStringLiteral("grabbed"));
    const QImage chart(shot);
    const LevelPlot::Geometry geometry(chart.width(), chart.height());
    // the bar starts at -5 above the 50 Hz threshold of 40 dB: one step up is 36 dB
    const auto redAround = [&](double level) {
        const QPoint at = geometry.point(50, level).toPoint();
        int red = 0;
        for (int y = at.y() - 4; y <= at.y() + 4; ++y)
            for (int x = at.x() - 4; x <= at.x() + 4; ++x)
                red += chart.valid(x, y) && chart.pixelColor(x, y) == Audiogram::RightEarColor;
        return red;
    };
    EXPECT_GT(redAround(36), 8) << "the right ear's 50 Hz point at 36 dB";
    EXPECT_EQ(redAround(0), 0) << "recorded before the tone's level was set";

    program.ask(QStringLiteral("close"));
    const bool ended = program.process().waitForFinished(10000);
    EXPECT_TRUE(ended) << "still open: " << program.ask(QStringLiteral("state"), 2000).toStdString();
    EXPECT_EQ(program.process().exitCode(), 0);
}

namespace {

// One gesture at a person's pace, then nothing at all, not even a question to the program,
// until the sink has heard what followed: held input must be handled as the tone ends, by
// itself, and not wait for the next input to wake the program.
struct Gesture {
    const char *name;
    QStringList command;
    // before the gesture: real clicks ("click NAME") and the driver's own commands, each
    // answered, then a settle
    QStringList setup;
    QString target;
    QPoint (*aim)(const QRect &);
    int presses;           // 300 ms apart, all but the first during the tone
    QString closeTitle = {};  // the close box of this window 300 ms after the last press
    double toneSeconds;
    int tones;             // heard in all
};

void PrintTo(const Gesture &row, std::ostream *out)
{
    *out << row.name;
}

QPoint centre(const QRect &r)
{
    return r.center();
}

class OneGesture : public ::testing::TestWithParam<Gesture> {};

TEST_P(OneGesture, IsHandledAsTheToneEndsWithNoFurtherInput)
{
    const Gesture &row = GetParam();
    const QString sink = qEnvironmentVariable("VELMORA_TEST_SINK");
    if (sink.isEmpty())
        GTEST_SKIP() << "no sound server was provided for this run (scripts/test provides one)";
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/deps installs them)";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    Program program;
    ASSERT_TRUE(program.start(tmp.path(), row.command));
    for (const QString &step : row.setup) {
        program.settle();
        if (step.startsWith(QStringLiteral("click "))) {
            const QRect r = program.rect(step.mid(6));
            ASSERT_TRUE(r.isValid()) << qPrintable(step);
            program.clickAt(r.center());
        } else {
            ASSERT_FALSE(program.ask(step).endsWith(QStringLiteral(" none"))) << qPrintable(step);
        }
    }
    program.settle();
    const QRect target = program.rect(row.target);
    ASSERT_TRUE(target.isValid()) << qPrintable(row.target);
    const QPoint at = row.aim(target);
    program.xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    program.settle();

    MonitorRecording recording(sink);
    ASSERT_TRUE(recording.started());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < row.presses; ++i) {
        if (i > 0)
            QThread::msleep(300);
        program.press(at);
    }
    if (!row.closeTitle.isEmpty()) {
        QThread::msleep(300);
        ASSERT_TRUE(program.closeBox(row.closeTitle));
        // the tone the presses started, and a little more
        const bool ended = program.process().waitForFinished(int(row.toneSeconds * 1000) + 3000);
        EXPECT_TRUE(ended) << "the close box during a tone left the program running";
        if (ended) {
            EXPECT_LT(clock.elapsed(), row.toneSeconds * 1000 + 300 + 300) << "ms from the press to the end";
            EXPECT_EQ(program.process().exitCode(), 0);
        }
    } else {
        // long enough for the expected tones, and for a bar running away to show it
        QThread::msleep(int(row.toneSeconds * 1000 * row.tones) + 2500);
    }
    const double heard = soundingSeconds(recording.stop());
    EXPECT_NEAR(heard / row.toneSeconds, row.tones, 0.3) << "seconds heard: " << heard;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, OneGesture,
    ::testing::Values(
        Gesture{.name = "ZezevavLevelBarArrow",
                .command = {QStringLiteral(VELMORA_ZEZEVAV)},
                .setup = {QStringLiteral("click Weiter ->"), QStringLiteral("click Weiter ->"),
                          QStringLiteral("click Ok"), QStringLiteral("click Test starten")},
                .target = QStringLiteral("rVScroll1"),
                .aim = upArrow,
                .presses = 1,
                .toneSeconds = 0.5,
                .tones = 1},
        Gesture{.name = "DirazTwoClicksDuringATone",
                .command = {QStringLiteral(VELMORA_DIRAZ)},
                .setup = {QStringLiteral("set Sinusschwingung/QScrollBar/3 1")},
                .target = QStringLiteral("Wiedergabe"),
                .aim = centre,
                .presses = 3,
                .toneSeconds = 2,
                .tones = 3},
        Gesture{.name = "DirazCloseBoxDuringATone",
                .command = {QStringLiteral(VELMORA_DIRAZ)},
                .setup = {QStringLiteral("set Sinusschwingung/QScrollBar/3 1")},
                .target = QStringLiteral("Wiedergabe"),
                .aim = centre,
                .presses = 1,
                .closeTitle = QStringLiteral("Sinusschwingung"),
                .toneSeconds = 2,
                .tones = 1},
        Gesture{.name = "VarnikSecondLevelPageArrow",
                .command = {QStringLiteral(VELMORA_VARNIK)},
                .setup = {QStringLiteral("menu Voreinstellungen..."), QStringLiteral("click Weiter ->")},
                .target = QStringLiteral("Voreinstellungen - Feinabstimmung/QScrollBar/1"),
                .aim = rightArrow,
                .presses = 1,
                .toneSeconds = 0.5,
                .tones = 1},
        Gesture{.name = "TavoniBarInTheControlHost",
                .command = {QStringLiteral(VELMORA_CONTROLHOST), QStringLiteral(VELMORA_TAVONI)},
                .setup = {QStringLiteral("click Test starten")},
                .target = QStringLiteral("rVScroll1"),
                .aim = upArrow,
                .presses = 1,
                .toneSeconds = 0.5,
                .tones = 1}),
    [](const ::testing::TestParamInfo<Gesture> &info) { return std::string(info.param.name); });

} // namespace
