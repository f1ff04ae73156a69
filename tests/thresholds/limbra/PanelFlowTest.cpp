#include "audiometry/AudiometryTesting.h"

#include "audiometry/LevelPlot.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"
#include "thresholds/limbra/LimbraInfo.h"
#include "thresholds/limbra/ModTon.h"
#include "thresholds/limbra/UCLimbra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>


using namespace audiometry_testing;
using limbra::UCLimbra;
using platform::MousePointer;

namespace {

constexpr int Bars = UCLimbra::Bars;

class LimbraPanel : public AudiometryTest {
protected:
    std::int32_t level = 32;
    QStringList hookCalls;
    UCLimbra panel{options(), hooks()};

    PanelOptions options()
    {
        PanelOptions o = limbra::panelOptions();
        o.level = [this] { return level; };
        return o;
    }
    // what the host would see of the panel when its hooks run
    UCLimbra::Hooks hooks()
    {
        return {[this] {
                    hookCalls.append(QStringLiteral("barsHidden: bar 1 %1, chart %2")
                                         .arg(panel.VScroll(1)->isHidden() ? "hidden" : "shown",
                                              panel.Ausgabe->isHidden() ? "hidden" : "shown"));
                },
                [this] {
                    hookCalls.append(QStringLiteral("barsShown: OK 11 %1, frequency %2")
                                         .arg(panel.Cm(11)->isHidden() ? "hidden" : "shown", panel.Label18->text()));
                },
                {}};
    }

    void upArrow(int bar) { panel.VScroll(bar)->userAction(QAbstractSlider::SliderSingleStepSub); }
    void confirm(int bar)
    {
        ASSERT_TRUE(panel.Cm(bar)->isEnabled()) << "OK " << bar << " is not available";
        panel.Cm(bar)->click();
    }
    // Every bar one step up, each confirmed.
    void completeRun()
    {
        panel.Command6->click();
        for (int n = 1; n <= Bars; ++n) {
            upArrow(n);
            confirm(n);
        }
    }
    QStringList enabledBarsAndButtons() const
    {
        QStringList names;
        for (int n = 1; n <= Bars; ++n) {
            if (panel.VScroll(n)->isEnabled())
                names.append(panel.VScroll(n)->objectName());
            if (panel.Cm(n)->isEnabled())
                names.append(panel.Cm(n)->objectName());
        }
        return names;
    }
    // The panel's controls that are switched on, bars and buttons counted apart.
    QStringList shown() const
    {
        QStringList names;
        int bars = 0;
        for (QWidget *w : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden())
                continue;
            bool perBar = false;
            for (int n = 1; n <= Bars; ++n) {
                bars += w == panel.VScroll(n) || w == panel.Cm(n);
                perBar = perBar || w == panel.VScroll(n) || w == panel.Cm(n) || w == panel.Level(n);
            }
            if (!perBar)
                names.append(w->objectName());
        }
        names.sort();
        if (bars > 0)
            names.append(QStringLiteral("%1 bars and buttons").arg(bars));
        return names;
    }
    // The file a tone of this level should have played, byte for byte behind the header.
    QByteArray expectedSamples(float T, float L, float f) const
    {
        SampleChunks chunks;
        ModTon::MakeThresholdTone(level, T, L, f, chunks);
        return testing_support::joined(chunks);
    }
};

const QStringList Ready{"Command6", "Label12", "Label13", "Label17", "Label18", "Label19", "22 bars and buttons"};

} // namespace

TEST_F(LimbraPanel, ReadyAtCreation)
{
    EXPECT_EQ(shown(), Ready);
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_TRUE(panel.Command6->isEnabled());
    EXPECT_EQ(panel.Label18->text(), "50");
    struct Row {
        QString readOut;
        QString toolTip;
        int top;
    };
    const QString ok = "aktuellen Wert bestätigen";
    const Row rows[] = {
        {}, {"35", ok, 14}, {"20", ok, 29}, {"9", "aktuellen Weret bestätigen", 40}, {"0,5", ok, 48},
        {"-2", "aktuellen wert bestätigen", 51}, {"-5", ok, 54}, {"-10,5", ok, 59}, {"-9", ok, 58},
        {"-5", ok, 54}, {"9", ok, 40}, {"5", ok, 44},
    };
    const QRect barOne = panel.VScroll(1)->geometry();
    for (int n = 1; n <= Bars; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(panel.Level(n)->text(), rows[n].readOut);
        EXPECT_EQ(panel.Level(n)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_EQ(panel.Level(n)->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(panel.Cm(n)->text(), "OK");
        EXPECT_EQ(panel.Cm(n)->toolTip(), rows[n].toolTip);
        EXPECT_EQ(panel.VScroll(n)->min(), rows[n].top);
        EXPECT_EQ(panel.VScroll(n)->max(), -10);
        EXPECT_EQ(panel.VScroll(n)->value(), -5);
        // all in one row, 600 twips apart
        EXPECT_EQ(panel.VScroll(n)->geometry(), barOne.translated(40 * (n - 1), 0));
    }
    EXPECT_EQ(panel.Command3->toolTip(), "Ausgabe der idealen Ruhehörschwelle");
    EXPECT_EQ(panel.Command6->toolTip(), "Zezevav starten");
    EXPECT_FALSE(panel.Ausgabe->surface().persistent()) << "only the drawn curve makes it persistent";
}

TEST_F(LimbraPanel, ElevenFrequenciesWithATonePerChangeThenTheChart)
{
    // a file of that name from before is overwritten and then deleted
    {
        QFile old(platform::soundFilePath());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    // what the window shows while each tone plays: the file there, the tone's frequency named
    QStringList whilePlaying;
    services.onSound = [&] {
        whilePlaying.append(QStringLiteral("%1 Hz%2").arg(panel.Label18->text(),
                                                         QFile::exists(platform::soundFilePath()) ? "" : ", no file"));
    };
    const QStringList toneLog{"FileName=" + platform::soundFilePath(), "Flag1=false", "Flag2=true", "Command=Sound",
                              "Command=Close"};
    const char *frequencies[] = {"", "50", "100", "200", "500", "1000", "2000", "3000", "4000", "5000", "9000", "10000"};
    // how the user moves each bar, where it ends and what its read-out then shows
    using A = QAbstractSlider::SliderAction;
    const struct {
        A action;
        int value;
        const char *readOut;
    } moves[] = {
        {}, {A::SliderToMinimum, 14, "54"}, {A::SliderSingleStepSub, -4, "21"}, {A::SliderPageStepSub, -2, "12"},
        {A::SliderToMinimum, 48, "53,5"}, {A::SliderSingleStepAdd, -6, "-3"}, {A::SliderSingleStepSub, -4, "-4"},
        {A::SliderToMaximum, -10, "-15,5"}, {A::SliderSingleStepSub, -4, "-8"}, {A::SliderPageStepAdd, -8, "-8"},
        {A::SliderSingleStepSub, -4, "10"}, {A::SliderToMinimum, 44, "54"},
    };

    panel.Command6->click();
    for (int n = 1; n <= Bars; ++n) {
        SCOPED_TRACE(n);
        const float T = LevelPlot::NormalThreshold[std::size_t(n)];
        const float f = LevelPlot::ToneFrequencies[std::size_t(n)];
        // the bar's first tone comes with its becoming current, at the start position
        ASSERT_EQ(services.playedFiles.size(), 2 * n - 1);
        const QByteArray &first = services.playedFiles.last();
        EXPECT_EQ(first.left(44), testing_support::hex("52 49 46 46 ac 58 01 00 57 41 56 45 66 6d 74 20 10 00 00 00 "
                                                       "01 00 02 00 44 ac 00 00 10 b1 02 00 04 00 10 00 "
                                                       "64 61 74 61 88 58 01 00"));
        EXPECT_EQ(first.mid(44), expectedSamples(T, -5, f));
        EXPECT_EQ(panel.Label18->text(), frequencies[n]);
        EXPECT_TRUE(panel.Command6->isHidden());
        if (n > 1) {
            EXPECT_EQ(enabledBarsAndButtons(), (QStringList{panel.VScroll(n)->objectName(), panel.Cm(n)->objectName()}));
        }

        panel.VScroll(n)->userAction(moves[n].action);
        const float L = float(moves[n].value);
        EXPECT_EQ(services.playedFiles.last().mid(44), expectedSamples(T, L, f));
        EXPECT_EQ(panel.Level(n)->text(), moves[n].readOut);
        EXPECT_FLOAT_EQ(panel.CurrentLevel[std::size_t(n)], T + L);
        EXPECT_EQ(services.mciLog().mid(services.mciLog().size() - 5), toneLog);
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
        confirm(n);
        EXPECT_FLOAT_EQ(panel.MeasuredThreshold[std::size_t(n)], T + L);
        EXPECT_FALSE(panel.VScroll(n)->isEnabled());
    }
    EXPECT_EQ(services.playedFiles.size(), 22);
    EXPECT_EQ(services.mciWrites.size(), 22 * 5);
    QStringList expected;
    for (int n = 1; n <= Bars; ++n)
        expected << QStringLiteral("%1 Hz").arg(frequencies[n]) << QStringLiteral("%1 Hz").arg(frequencies[n]);
    EXPECT_EQ(whilePlaying, expected);
    EXPECT_EQ(services.pointerChanges.size(), 44);
    EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);
    EXPECT_TRUE(services.mciWrites.first().control == "MMControl1");

    EXPECT_EQ(shown(), (QStringList{"Ausgabe", "Command3", "Command4", "Label12", "Label13", "Label17", "Label18",
                                    "Label19"}));
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_EQ(panel.Label18->text(), "10000");
    EXPECT_EQ(hookCalls, QStringList{"barsHidden: bar 1 hidden, chart hidden"});
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[0], 80);
    EXPECT_TRUE(panel.Ausgabe->surface().persistent());
    const auto &p = panel.Ausgabe->surface().primitives();
    ASSERT_EQ(p.size(), 20 + 22);
    EXPECT_EQ(p[20].color, QColor(0, 0, 255));
    EXPECT_EQ(p[21].color, QColor(255, 0, 0));
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
    EXPECT_EQ(panel.Level(1)->text(), "35");
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 0);
    EXPECT_EQ(enabledBarsAndButtons(), QStringList{"VScroll1"}) << "nothing heard yet, nothing to confirm";

    // moving the bar retries
    unblock();
    upArrow(1);
    EXPECT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(panel.Level(1)->text(), "36");
    EXPECT_EQ(enabledBarsAndButtons(), (QStringList{"VScroll1", "Cm1"}));

    // once heard, a later failure keeps the bar confirmable at the level heard
    block();
    upArrow(1);
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_EQ(panel.Level(1)->text(), "36");
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 36);
    EXPECT_EQ(enabledBarsAndButtons(), (QStringList{"VScroll1", "Cm1"}));

    // the next frequency's first tone fails: neither OK is offered, the bar can retry
    confirm(1);
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[1], 36);
    EXPECT_EQ(services.messages.size(), 3);
    EXPECT_EQ(panel.Label18->text(), "100");
    EXPECT_EQ(enabledBarsAndButtons(), QStringList{"VScroll2"});
    unblock();
    upArrow(2);
    EXPECT_EQ(enabledBarsAndButtons(), (QStringList{"VScroll2", "Cm2"}));
    EXPECT_EQ(panel.Level(2)->text(), "21");
    EXPECT_EQ(services.playedFiles.size(), 2);
}

TEST_F(LimbraPanel, RepeatKeepsTheRunAndNormalCurveBringsItBack)
{
    completeRun();
    const auto measured = panel.MeasuredThreshold;
    panel.Command3->click();
    const qsizetype withNormal = panel.Ausgabe->surface().primitives().size();
    EXPECT_EQ(withNormal, 2 * 42);
    EXPECT_EQ(panel.Ausgabe->surface().primitives()[62].color, QColor(255, 0, 0));

    panel.Command4->click();
    EXPECT_EQ(hookCalls.last(), "barsShown: OK 11 shown, frequency 10000");
    QStringList readyAgain = Ready;
    readyAgain << "Command3" << "Command4";
    readyAgain.sort();
    readyAgain.move(readyAgain.indexOf("22 bars and buttons"), readyAgain.size() - 1);
    EXPECT_EQ(shown(), readyAgain);
    EXPECT_TRUE(enabledBarsAndButtons().isEmpty());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(panel.Level(11)->text(), "6");
    EXPECT_EQ(panel.VScroll(7)->value(), -4);

    // the kept drawing comes back with the grid and the normal curve over it
    panel.Command3->click();
    EXPECT_EQ(panel.Ausgabe->surface().primitives().size(), withNormal + 42);
    EXPECT_FALSE(panel.Ausgabe->isHidden());
    EXPECT_TRUE(panel.Command6->isHidden());
    panel.Command4->click();

    // a new run clears the chart and starts where the bars stand
    const qsizetype tones = services.playedFiles.size();
    panel.Command6->click();
    EXPECT_TRUE(panel.Ausgabe->surface().primitives().isEmpty());
    EXPECT_TRUE(panel.Ausgabe->isHidden() && panel.Command3->isHidden() && panel.Command4->isHidden());
    EXPECT_EQ(services.playedFiles.size(), tones + 1);
    EXPECT_EQ(services.playedFiles.last().mid(44), expectedSamples(40, -4, 50));
    confirm(1);
    EXPECT_FLOAT_EQ(panel.MeasuredThreshold[1], 36);
    for (int n = 2; n <= Bars; ++n)
        EXPECT_FLOAT_EQ(panel.MeasuredThreshold[std::size_t(n)], measured[std::size_t(n)]) << n;
}

TEST_F(LimbraPanel, HostsPlayRoutineTakesTheWrittenTone)
{
    QStringList played;
    UCLimbra hosted(options(), {{}, {}, [&](const QString &path) {
                        played.append(QStringLiteral("%1, %2 bytes").arg(path).arg(QFileInfo(path).size()));
                    }});
    hosted.Command6->click();
    EXPECT_EQ(played, QStringList{QStringLiteral("%1, %2 bytes").arg(platform::soundFilePath()).arg(44 + 352800)});
    EXPECT_TRUE(services.mciWrites.isEmpty());
    // heard: its "OK" is offered
    EXPECT_TRUE(hosted.Cm(1)->isEnabled());
}
