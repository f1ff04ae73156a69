#include "audiometry/AudiometryTesting.h"

#include "audiometry/LevelPlot.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/ModTon.h"
#include "thresholds/limbra/UCLimbra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using namespace audiometry_testing;
using limbra::UCLimbra;
using platform::MousePointer;

namespace {

constexpr int Bars = UCLimbra::Bars;

class LimbraPanel : public AudiometryTest {
protected:
    QStringList hookCalls;
    UCLimbra panel{limbra::panelOptions(), {.repeated = seen("barsShown"), .finished = seen("barsHidden")}};

    // what the host would see of the panel when its hooks run
    std::function<void()> seen(const char *hook)
    {
        return [this, hook] {
            hookCalls << QStringLiteral("%1: bar 1 %2, OK 11 %3, chart %4, %5 Hz")
                             .arg(hook, panel.VScroll(1)->isHidden() ? "hidden" : "shown",
                                  panel.Cm(11)->isHidden() ? "hidden" : "shown",
                                  panel.Ausgabe->isHidden() ? "hidden" : "shown", panel.Label18->text());
        };
    }
    void upArrow(int bar) { panel.VScroll(bar)->userAction(QAbstractSlider::SliderSingleStepSub); }
    void confirm(int bar)
    {
        ASSERT_TRUE(panel.Cm(bar)->isEnabled()) << "OK " << bar << " is not available";
        panel.Cm(bar)->click();
    }
    QStringList enabledBarsAndButtons() const
    {
        QStringList names;
        for (int n = 1; n <= Bars; ++n)
            for (const QWidget *w : std::initializer_list<const QWidget *>{panel.VScroll(n), panel.Cm(n)})
                if (w->isEnabled())
                    names << w->objectName();
        return names;
    }
    // A bar's read-out and level kept, what is offered, the messages so far.
    QString state(int bar) const
    {
        return QStringLiteral("%1 (%2 dB) | %3 | %4 messages")
            .arg(panel.Level(bar)->text())
            .arg(double(panel.CurrentLevel[std::size_t(bar)]))
            .arg(enabledBarsAndButtons().join(' '))
            .arg(services.messages.size());
    }
    // The panel's shown controls, with the bars, their OK buttons and read-outs only counted.
    QStringList shown() const
    {
        static const QRegularExpression perBar(QStringLiteral("^(VScroll|Cm)\\d+$|^Label([1-9]|1[01])$"));
        QStringList names = shownChildren(panel);
        const qsizetype bars = names.removeIf([](const QString &name) { return perBar.match(name).hasMatch(); });
        return names << QStringLiteral("%1 per bar").arg(bars);
    }
    // The samples a tone at the default reference should have played, behind the header.
    static QByteArray expectedSamples(float T, float L, float f)
    {
        SampleChunks chunks;
        ModTon::MakeThresholdTone(32, T, L, f, chunks);
        return testing_support::joined(chunks);
    }
};

} // namespace

TEST_F(LimbraPanel, ReadyAtCreation)
{
    EXPECT_EQ(shown(), (QStringList{"Command6", "Label12", "Label13", "Label17", "Label18", "Label19", "33 per bar"}));
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_TRUE(panel.Command6->isEnabled());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_FALSE(panel.Ausgabe->surface().persistent()) << "only the drawn curve makes it persistent";
    // read-out at T − 5, OK's tooltip with its typos, the bar's top
    const QString ok = "aktuellen Wert bestätigen";
    const struct { QString readOut, toolTip; int top; } rows[] = {
        {}, {"35", ok, 14}, {"20", ok, 29}, {"9", "aktuellen Weret bestätigen", 40}, {"0,5", ok, 48},
        {"-2", "aktuellen wert bestätigen", 51}, {"-5", ok, 54}, {"-10,5", ok, 59}, {"-9", ok, 58},
        {"-5", ok, 54}, {"9", ok, 40}, {"5", ok, 44},
    };
    for (int n = 1; n <= Bars; ++n) {
        SCOPED_TRACE(n);
        const platform::ScrollBar *bar = panel.VScroll(n);
        EXPECT_EQ(panel.Level(n)->text(), rows[n].readOut);
        EXPECT_EQ(panel.Level(n)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_EQ(panel.Level(n)->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(panel.Cm(n)->toolTip(), rows[n].toolTip);
        EXPECT_EQ(QList<int>({bar->min(), bar->max(), bar->value()}), QList<int>({rows[n].top, -10, -5}));
        EXPECT_EQ(bar->geometry(), panel.VScroll(1)->geometry().translated(40 * (n - 1), 0)) << "one row, 600 twips apart";
    }
}

TEST_F(LimbraPanel, ElevenFrequenciesWithATonePerChangeThenTheChartAndARepeat)
{
    // a file of that name from before is overwritten and then deleted
    QFile old(platform::soundFilePath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    // what the window shows while each tone plays: the file there, the tone's frequency named
    QStringList whilePlaying;
    services.onSound = [&] {
        whilePlaying.append(QStringLiteral("%1 Hz%2").arg(panel.Label18->text(),
                                                         QFile::exists(platform::soundFilePath()) ? "" : ", no file"));
    };
    // how the user moves each bar, where it ends and what its read-out then shows
    using A = QAbstractSlider::SliderAction;
    const struct { A action; int value; const char *readOut; } moves[] = {
        {}, {A::SliderToMinimum, 14, "54"}, {A::SliderSingleStepSub, -4, "21"}, {A::SliderPageStepSub, -2, "12"},
        {A::SliderToMinimum, 48, "53,5"}, {A::SliderSingleStepAdd, -6, "-3"}, {A::SliderSingleStepSub, -4, "-4"},
        {A::SliderToMaximum, -10, "-15,5"}, {A::SliderSingleStepSub, -4, "-8"}, {A::SliderPageStepAdd, -8, "-8"},
        {A::SliderSingleStepSub, -4, "10"}, {A::SliderToMinimum, 44, "54"},
    };

    panel.Command6->click();
    QStringList expectedWhilePlaying, expectedLog;
    QList<MousePointer> expectedPointers;
    for (int n = 1; n <= Bars; ++n) {
        SCOPED_TRACE(n);
        const float T = LevelPlot::NormalThreshold[std::size_t(n)];
        const float f = LevelPlot::ToneFrequencies[std::size_t(n)];
        // the bar's first tone comes with its becoming current, at the start position
        ASSERT_EQ(services.playedFiles.size(), 2 * n - 1);
        EXPECT_EQ(services.playedFiles.last().mid(44), expectedSamples(T, -5, f));
        if (n > 1) {
            EXPECT_EQ(enabledBarsAndButtons(), (QStringList{panel.VScroll(n)->objectName(), panel.Cm(n)->objectName()}));
        }

        panel.VScroll(n)->userAction(moves[n].action);
        const float L = float(moves[n].value);
        EXPECT_EQ(services.playedFiles.last().mid(44), expectedSamples(T, L, f));
        EXPECT_EQ(panel.Level(n)->text(), moves[n].readOut);
        confirm(n);
        EXPECT_FLOAT_EQ(panel.MeasuredThreshold[std::size_t(n)], T + L);
        for (int tone = 0; tone < 2; ++tone) {
            expectedWhilePlaying << QStringLiteral("%1 Hz").arg(f);
            expectedLog << "FileName=" + platform::soundFilePath() << "Flag1=false" << "Flag2=true" << "Command=Sound"
                        << "Command=Close";
            expectedPointers << MousePointer::Hourglass << MousePointer::Default;
        }
    }
    for (const QByteArray &file : services.playedFiles)
        EXPECT_EQ(file.left(44), testing_support::hex("52 49 46 46 ac 58 01 00 57 41 56 45 66 6d 74 20 10 00 00 00 "
                                                      "01 00 02 00 44 ac 00 00 10 b1 02 00 04 00 10 00 "
                                                      "64 61 74 61 88 58 01 00"));
    EXPECT_EQ(whilePlaying, expectedWhilePlaying);
    EXPECT_EQ(services.mciLog(), expectedLog);
    EXPECT_EQ(services.mciWrites.first().control, "MMControl1");
    EXPECT_EQ(services.pointerChanges, expectedPointers);
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));

    EXPECT_EQ(shown(), (QStringList{"Ausgabe", "Command3", "Command4", "Label12", "Label13", "Label17", "Label18",
                                    "Label19", "11 per bar"}));
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[0], 80);
    const auto &drawn = panel.Ausgabe->surface().primitives();
    EXPECT_TRUE(panel.Ausgabe->surface().persistent());
    EXPECT_EQ(drawn.size(), 20 + 22);
    panel.Command3->click();
    EXPECT_EQ(drawn.size(), 2 * 42);
    EXPECT_EQ(drawn[62].color, QColor(255, 0, 0)) << "the normal curve over the measured one";

    // "Test wiederholen" keeps the run: read-outs, bar positions, the drawing
    const auto measured = panel.MeasuredThreshold;
    panel.Command4->click();
    EXPECT_EQ(hookCalls, (QStringList{"barsHidden: bar 1 hidden, OK 11 hidden, chart hidden, 10000 Hz",
                                      "barsShown: bar 1 shown, OK 11 shown, chart hidden, 10000 Hz"}));
    EXPECT_EQ(shown(), (QStringList{"Command3", "Command4", "Command6", "Label12", "Label13", "Label17", "Label18",
                                    "Label19", "33 per bar"}));
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(panel.Level(11)->text(), "54");
    EXPECT_EQ(panel.VScroll(7)->value(), -10);
    panel.Command3->click();
    EXPECT_EQ(drawn.size(), 3 * 42);
    EXPECT_FALSE(panel.Ausgabe->isHidden());
    EXPECT_TRUE(panel.Command6->isHidden());
    panel.Command4->click();

    // a new run clears the chart and starts where the bars stand
    const qsizetype tones = services.playedFiles.size();
    panel.Command6->click();
    EXPECT_TRUE(drawn.isEmpty());
    EXPECT_TRUE(panel.Ausgabe->isHidden() && panel.Command3->isHidden() && panel.Command4->isHidden());
    EXPECT_EQ(services.playedFiles.size(), tones + 1);
    EXPECT_EQ(services.playedFiles.last().mid(44), expectedSamples(40, 14, 50));
    confirm(1);
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[1], 54);
    for (std::size_t n = 2; n <= Bars; ++n)
        EXPECT_FLOAT_EQ(panel.MeasuredThreshold[n], measured[n]) << n;
}

TEST_F(LimbraPanel, AToneThatCouldNotBeWrittenChangesNoRecord)
{
    // a folder where the sound file belongs cannot be replaced by a file
    const QString path = platform::soundFilePath();
    const auto block = [&] { ASSERT_TRUE(QDir().mkpath(path + "/blocked")); };
    const auto unblock = [&] { ASSERT_TRUE(QDir(path).removeRecursively()); };

    block();
    panel.Command6->click();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.first().text.contains("konnte nicht geschrieben werden"))
        << services.messages.first().text.toStdString();
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_EQ(state(1), "35 (0 dB) | VScroll1 | 1 messages") << "nothing heard yet, nothing to confirm";
    // moving the bar retries
    unblock();
    upArrow(1);
    EXPECT_EQ(state(1), "36 (36 dB) | VScroll1 Cm1 | 1 messages");
    // once heard, a later failure keeps the bar confirmable at the level heard
    block();
    upArrow(1);
    EXPECT_EQ(state(1), "36 (36 dB) | VScroll1 Cm1 | 2 messages");
    // the next frequency's first tone fails: neither OK is offered, the bar can retry
    confirm(1);
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[1], 36);
    EXPECT_EQ(panel.Label18->text(), "100");
    EXPECT_EQ(state(2), "20 (0 dB) | VScroll2 | 3 messages");
    unblock();
    upArrow(2);
    EXPECT_EQ(state(2), "21 (21 dB) | VScroll2 Cm2 | 3 messages");
    EXPECT_EQ(services.playedFiles.size(), 2);
}

TEST_F(LimbraPanel, HostsPlayRoutineTakesTheWrittenTone)
{
    QStringList played;
    UCLimbra hosted(limbra::panelOptions(), {.playFile = [&](const QString &path) {
                        played.append(QStringLiteral("%1, %2 bytes").arg(path).arg(QFileInfo(path).size()));
                    }});
    hosted.Command6->click();
    EXPECT_EQ(played, QStringList{QStringLiteral("%1, %2 bytes").arg(platform::soundFilePath()).arg(44 + 352800)});
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_TRUE(hosted.Cm(1)->isEnabled()) << "heard: its OK is offered";
}
