#include "AudiometryTesting.h"

#include "audiometry/UCHTest.h"
#include "common/ModWave.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Services.h"
#include "platform/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <cmath>

using namespace audiometry_testing;
using Ear = UCHTest::Ear;
using platform::MousePointer;

namespace {

class PanelFlow : public AudiometryTest {
protected:
    std::int32_t level = 32;
    UCHTest panel{[this] { return level; }};

    void upArrow(Ear ear, int i) { panel.VScroll(ear, i)->userAction(QAbstractSlider::SliderSingleStepSub); }
    void confirm(Ear ear, int i)
    {
        ASSERT_FALSE(panel.Cm(ear, i)->isHidden()) << "OK " << i << " is not shown";
        panel.Cm(ear, i)->click();
    }
    // One tone on every bar of the ear, each confirmed.
    void runEar(Ear ear)
    {
        for (int i = 1; i <= UCHTest::Bars; ++i) {
            upArrow(ear, i);
            confirm(ear, i);
        }
    }
    void completeRun()
    {
        panel.Command6->click();
        runEar(Ear::Right);
        runEar(Ear::Left);
    }
    // The panel's own controls that are switched on.
    QStringList shown() const { return shownChildren(panel); }
    float expectedPeak(double levelDb) const { return float(std::pow(10.0, levelDb / 20) * level); }
};

} // namespace

TEST_F(PanelFlow, AtStartOnlyTestStartenIsShown)
{
    EXPECT_EQ(shown(), QStringList{"Command6"});
    EXPECT_EQ(panel.Command6->text(), "Test starten");
    EXPECT_EQ(panel.Command6->toolTip(), "Zezevav starten");
}

TEST_F(PanelFlow, TestStartenShowsRightBarOneWithoutATone)
{
    panel.Command6->click();
    EXPECT_EQ(shown(), (QStringList{"Label17", "Label18", "Label19", "Label2", "rVScroll1"}));
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(panel.VScroll(Ear::Right, 1)->value(), -5);
    EXPECT_TRUE(panel.VScroll(Ear::Right, 1)->isEnabled());
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_TRUE(services.pointerChanges.isEmpty());
}

TEST_F(PanelFlow, UpArrowOnRightBarOnePlaysFiftyHertzAtThirtySixDecibelsOnTheRightEar)
{
    panel.Command6->click();
    upArrow(Ear::Right, 1);

    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &file = services.playedFiles.first();
    EXPECT_EQ(declaredDataBytes(file), 88200u);
    EXPECT_EQ(file.size() - 44, 352800);
    const auto left = channel(file, 0);
    const auto right = channel(file, 1);
    EXPECT_EQ(peak(left), 0);
    EXPECT_NEAR(peak(right), expectedPeak(36), 1.0);
    // 50 Hz: a period of 882 frames, starting upwards from sin(ω)
    EXPECT_GT(right[0], 0);
    EXPECT_LT(right[441 + 10], 0);
    EXPECT_GT(right[882 + 10], 0);

    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 36);
    const QString path = platform::soundFilePath();
    EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + path, "Flag1=false", "Flag2=true", "Command=Sound"}));
    EXPECT_EQ(services.mciWrites.first().control, "MMControl1");
    EXPECT_FALSE(panel.Cm(Ear::Right, 1)->isHidden());
    EXPECT_TRUE(panel.Cm(Ear::Right, 1)->isEnabled());
    EXPECT_TRUE(panel.Command6->isHidden());
}

TEST_F(PanelFlow, EveryChangeOfTheBarPlaysOneTone)
{
    panel.Command6->click();
    struct Row {
        const char *name;
        QAbstractSlider::SliderAction action;
        int value;
    };
    const Row rows[] = {
        {"click into the track above the thumb", QAbstractSlider::SliderPageStepSub, -2},
        {"click into the track below the thumb", QAbstractSlider::SliderPageStepAdd, -5},
        {"down arrow", QAbstractSlider::SliderSingleStepAdd, -6},
        {"to the top", QAbstractSlider::SliderToMinimum, 14},
    };
    int tones = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        panel.VScroll(Ear::Right, 1)->userAction(row.action);
        ++tones;
        EXPECT_EQ(panel.VScroll(Ear::Right, 1)->value(), row.value);
        EXPECT_EQ(services.mciCommands().size(), tones);
        EXPECT_FLOAT_EQ(panel.CurrentLevel[1], float(row.value + 40));
        EXPECT_NEAR(peak(channel(services.playedFiles.last(), 1)), expectedPeak(row.value + 40), 1.0);
    }
}

TEST_F(PanelFlow, HourglassAroundEveryToneAndNoFileLeftBehind)
{
    QList<bool> fileWhilePlaying;
    QList<MousePointer> pointerWhilePlaying;
    services.onSound = [&] {
        fileWhilePlaying.append(QFile::exists(platform::soundFilePath()));
        pointerWhilePlaying.append(services.pointerChanges.last());
    };
    panel.Command6->click();
    upArrow(Ear::Right, 1);
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
    upArrow(Ear::Right, 1);
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
    EXPECT_EQ(fileWhilePlaying, (QList<bool>{true, true}));
    EXPECT_EQ(pointerWhilePlaying, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Hourglass}));
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default,
                                                            MousePointer::Hourglass, MousePointer::Default}));
}

TEST_F(PanelFlow, OkRecordsTheLastLevelPlayedAndBringsTheNextBarToBarOnesPlace)
{
    panel.Command6->click();
    upArrow(Ear::Right, 1);
    upArrow(Ear::Right, 1);
    const QRect barOne = panel.VScroll(Ear::Right, 1)->geometry();
    const QRect okOne = panel.Cm(Ear::Right, 1)->geometry();
    confirm(Ear::Right, 1);

    EXPECT_FLOAT_EQ(panel.RightThreshold[1], 37);
    EXPECT_FLOAT_EQ(panel.LeftThreshold[1], 0);
    EXPECT_EQ(panel.Label18->text(), "100");
    EXPECT_EQ(shown(), (QStringList{"Label17", "Label18", "Label19", "Label2", "rVScroll2"}));
    EXPECT_EQ(panel.VScroll(Ear::Right, 2)->geometry(), barOne);
    EXPECT_EQ(panel.Cm(Ear::Right, 2)->geometry(), okOne);
    EXPECT_TRUE(panel.VScroll(Ear::Right, 2)->isEnabled());
    EXPECT_FALSE(panel.VScroll(Ear::Right, 1)->isEnabled());
    // the next OK only after the next bar has played
    EXPECT_TRUE(panel.Cm(Ear::Right, 2)->isHidden());
    upArrow(Ear::Right, 2);
    EXPECT_FALSE(panel.Cm(Ear::Right, 2)->isHidden());
    EXPECT_FLOAT_EQ(panel.CurrentLevel[2], 21);
}

TEST_F(PanelFlow, FrequencyReadOutThroughBothEars)
{
    panel.Command6->click();
    const char *expected[] = {"", "100", "200", "500", "1000", "2000", "3000", "4000", "5000", "9000", "10000"};
    for (int i = 1; i <= 10; ++i) {
        upArrow(Ear::Right, i);
        confirm(Ear::Right, i);
        EXPECT_EQ(panel.Label18->text(), expected[i]) << "after OK " << i;
    }
    upArrow(Ear::Right, 11);
    confirm(Ear::Right, 11);
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(shown(), (QStringList{"Label1", "Label17", "Label18", "Label19", "lVScroll1"}));
    EXPECT_EQ(panel.Label1->text(), " Messung linkes Ohr");

    runEar(Ear::Left);
    EXPECT_EQ(panel.Label18->text(), "10000");
    EXPECT_EQ(shown(), (QStringList{"Ausgabe", "Command3", "Command4", "Label1", "Label17", "Label18", "Label19"}));
}

TEST_F(PanelFlow, LeftTonesAreOnTheLeftEarAndRecordedApart)
{
    panel.Command6->click();
    runEar(Ear::Right);
    panel.VScroll(Ear::Left, 1)->userAction(QAbstractSlider::SliderSingleStepAdd);
    const QByteArray &file = services.playedFiles.last();
    EXPECT_EQ(peak(channel(file, 1)), 0);
    EXPECT_NEAR(peak(channel(file, 0)), expectedPeak(34), 1.0);
    confirm(Ear::Left, 1);
    EXPECT_FLOAT_EQ(panel.LeftThreshold[1], 34);
    EXPECT_FLOAT_EQ(panel.RightThreshold[1], 36);
}

TEST_F(PanelFlow, BarEndsGiveTheLoudestAndQuietestLevels)
{
    struct Row {
        const char *name;
        int bar;
        QAbstractSlider::SliderAction action;
        float level;
    };
    const Row rows[] = {
        {"50 Hz at the top", 1, QAbstractSlider::SliderToMinimum, 54},
        {"500 Hz at the top", 4, QAbstractSlider::SliderToMinimum, 53.5f},
        {"3000 Hz at the bottom", 7, QAbstractSlider::SliderToMaximum, -15.5f},
        {"4000 Hz at the bottom", 8, QAbstractSlider::SliderToMaximum, -14},
        {"10000 Hz at the top", 11, QAbstractSlider::SliderToMinimum, 54},
    };
    panel.Command6->click();
    int bar = 1;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (; bar < row.bar; ++bar) {
            upArrow(Ear::Right, bar);
            confirm(Ear::Right, bar);
        }
        panel.VScroll(Ear::Right, bar)->userAction(row.action);
        EXPECT_FLOAT_EQ(panel.CurrentLevel[std::size_t(bar)], row.level);
        EXPECT_NEAR(peak(channel(services.playedFiles.last(), 1)), expectedPeak(row.level), 1.0);
    }
}

TEST_F(PanelFlow, TheReferenceAmplitudeIsReadBeforeEveryTone)
{
    panel.Command6->click();
    level = 0;
    upArrow(Ear::Right, 1);
    EXPECT_EQ(peak(channel(services.playedFiles.last(), 1)), 0);
    EXPECT_EQ(services.playedFiles.last().size(), 44 + 352800);
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 36);
    level = 64;
    upArrow(Ear::Right, 1);
    EXPECT_NEAR(peak(channel(services.playedFiles.last(), 1)), expectedPeak(37), 1.0);
}

TEST_F(PanelFlow, SilentReferenceStillRunsTheWholeTest)
{
    level = 0;
    completeRun();
    for (const QByteArray &file : services.playedFiles)
        ASSERT_EQ(peak(channel(file, 0)) + peak(channel(file, 1)), 0);
    EXPECT_EQ(services.playedFiles.size(), 22);
    EXPECT_FLOAT_EQ(panel.RightThreshold[7], -9.5f);
    EXPECT_FLOAT_EQ(panel.LeftThreshold[11], 6);
    EXPECT_FALSE(panel.Ausgabe->isHidden());
}

TEST_F(PanelFlow, AudiogramAfterTheLastLeftOk)
{
    completeRun();
    const auto &p = panel.Ausgabe->surface().primitives();
    ASSERT_EQ(p.size(), 64);
    EXPECT_FLOAT_EQ(panel.RightThreshold[0], 80);
    EXPECT_FLOAT_EQ(panel.LeftThreshold[0], 80);
    // first right segment from the 10 Hz point at 80 dB to 50 Hz at 36 dB
    EXPECT_FLOAT_EQ(float(p[20].from.y()), -50);
    EXPECT_FLOAT_EQ(float(p[20].to.y()), 104);
    EXPECT_TRUE(panel.Label5->isHidden());

    panel.Command3->click();
    EXPECT_EQ(p.size(), 64 + 42);
    EXPECT_FALSE(panel.Label5->isHidden());
    EXPECT_EQ(p.last().color, QColor(50, 240, 20));
}

TEST_F(PanelFlow, RepeatKeepsBarsAndThresholdsUntilOverwritten)
{
    completeRun();
    panel.Command3->click();
    const auto right = panel.RightThreshold;
    const auto left = panel.LeftThreshold;

    panel.Command4->click();
    EXPECT_EQ(shown(), QStringList{"Command6"});
    EXPECT_FALSE(panel.Ausgabe->surface().primitives().isEmpty()) << "repeating only hides the chart";
    panel.Command6->click();
    EXPECT_TRUE(panel.Ausgabe->surface().primitives().isEmpty());
    EXPECT_EQ(shown(), (QStringList{"Label17", "Label18", "Label19", "Label2", "rVScroll1"}));
    EXPECT_TRUE(panel.Label5->isHidden());
    for (int i = 1; i <= UCHTest::Bars; ++i) {
        EXPECT_EQ(panel.VScroll(Ear::Right, i)->value(), -4) << i;
        EXPECT_EQ(panel.VScroll(Ear::Left, i)->value(), -4) << i;
    }
    EXPECT_EQ(services.mciWrites.size(), 22 * 4) << "no tone until a bar moves";

    // the first bar confirmed again without a new tone keeps last run's level
    panel.VScroll(Ear::Right, 1)->userAction(QAbstractSlider::SliderSingleStepSub);
    confirm(Ear::Right, 1);
    EXPECT_FLOAT_EQ(panel.RightThreshold[1], 37);
    for (int i = 2; i <= UCHTest::Bars; ++i)
        EXPECT_FLOAT_EQ(panel.RightThreshold[std::size_t(i)], right[std::size_t(i)]) << i;
    EXPECT_EQ(panel.LeftThreshold, left);
}

TEST_F(PanelFlow, AnUnwritableSoundFileIsReportedAndTheTestGoesOn)
{
    // a folder where the sound file belongs cannot be replaced by a file
    const QString path = platform::soundFilePath();
    ASSERT_TRUE(QDir().mkpath(path + "/blocked"));
    panel.Command6->click();
    upArrow(Ear::Right, 1);

    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.first().text.startsWith("Die Datei „" + QDir::toNativeSeparators(path)
                                                          + "“ konnte nicht geschrieben werden"))
        << services.messages.first().text.toStdString();
    EXPECT_EQ(services.messages.first().icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 0) << "a tone that was not heard is no level";
    EXPECT_TRUE(panel.Cm(Ear::Right, 1)->isHidden()) << "nothing heard yet, nothing to confirm";

    ASSERT_TRUE(QDir(path).removeRecursively());
    upArrow(Ear::Right, 1);
    EXPECT_EQ(services.playedFiles.size(), 1);
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 37);
    EXPECT_FALSE(panel.Cm(Ear::Right, 1)->isHidden());

    // once a tone was heard, a later failure leaves it confirmable at the level heard
    ASSERT_TRUE(QDir().mkpath(path + "/blocked"));
    upArrow(Ear::Right, 1);
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_FALSE(panel.Cm(Ear::Right, 1)->isHidden());
    EXPECT_TRUE(panel.Cm(Ear::Right, 1)->isEnabled());
    EXPECT_FLOAT_EQ(panel.CurrentLevel[1], 37);
    ASSERT_TRUE(QDir(path).removeRecursively());
    // the bar now stands at 38 dB, which was never heard
    confirm(Ear::Right, 1);
    EXPECT_FLOAT_EQ(panel.RightThreshold[1], 37);
    EXPECT_FALSE(panel.VScroll(Ear::Right, 2)->isHidden());
}
