#include "VarnikTesting.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"
#include "thresholds/varnik/ModFrequenztest.h"
#include "thresholds/varnik/UCVarnik.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace audiometry_testing;
using platform::MousePointer;
using varnik::UCVarnik;

namespace {

class Panel : public varnik_testing::VarnikTest {
protected:
    float level = 1000;
    UCVarnik::Options options{[this] { return level; }, TonePath::Policy{ModPlay::SoundOnly}, true};
    UCVarnik panel{options};

    void act(int i, QAbstractSlider::SliderAction action) { panel.VScroll(i)->userAction(action); }
    void confirm(int i)
    {
        ASSERT_FALSE(panel.Cm(i)->isHidden()) << "OK " << i << " is not shown";
        panel.Cm(i)->click();
    }
    // The panel's own controls that are switched on.
    QStringList shown() const { return shownChildren(panel); }
    static QByteArray fmTone(float frequency, float deltaF)
    {
        SampleChunks chunks;
        varnik::ModFrequenztest::GenerateFmTone(1000, frequency, deltaF, 88200, chunks);
        return testing_support::joined(chunks);
    }
};

} // namespace

TEST_F(Panel, SlidersWithTheirRangesStepsAndSwings)
{
    struct Row {
        float frequency;
        int min, max, value, small, large;
        float top, bottom, design;
    };
    const Row rows[] = {
        {50, 20, -10, 0, 2, 2, 3.8f, 0.8f, 1.8f},         {100, 20, -10, 0, 2, 2, 3.8f, 0.8f, 1.8f},
        {200, 20, -10, -5, 2, 3, 3.8f, 0.8f, 1.3f},       {500, 20, -10, -5, 2, 3, 4.0f, 1.0f, 1.5f},
        {1000, 30, -10, -5, 2, 3, 6.5f, 2.5f, 3.0f},      {2000, 40, -10, 0, 2, 3, 10.0f, 5.0f, 6.0f},
        {5000, 50, -10, 0, 2, 3, 24.0f, 18.0f, 19.0f},    {10000, 140, -10, 0, 5, 5, 54.0f, 39.0f, 40.0f},
    };
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        const Row &row = rows[i - 1];
        SCOPED_TRACE(row.frequency);
        const platform::ScrollBar *bar = panel.VScroll(i);
        EXPECT_EQ(bar->min(), row.min);
        EXPECT_EQ(bar->max(), row.max);
        EXPECT_EQ(bar->value(), row.value);
        EXPECT_EQ(bar->smallChange(), row.small);
        EXPECT_EQ(bar->largeChange(), row.large);
        EXPECT_FLOAT_EQ(UCVarnik::deltaF(i, row.min), row.top);
        EXPECT_FLOAT_EQ(UCVarnik::deltaF(i, row.max), row.bottom);
        EXPECT_FLOAT_EQ(UCVarnik::deltaF(i, row.value), row.design);
        EXPECT_FLOAT_EQ(UCVarnik::SliderTable[std::size_t(i - 1)].frequency, row.frequency);
        EXPECT_EQ(panel.Cm(i)->text(), "OK");
    }
    EXPECT_EQ(panel.Cm(3)->toolTip(), "aktuellen Weret bestätigen");
    EXPECT_EQ(panel.Cm(5)->toolTip(), "aktuellen wert bestätigen");
    EXPECT_EQ(panel.Cm(8)->toolTip(), "aktuellen Wert bestätigen");
}

TEST_F(Panel, TestStartenShowsTheFirstSliderAndItsOkWithoutATone)
{
    EXPECT_EQ(shown(), QStringList{"Command6"});
    EXPECT_EQ(panel.Command6->toolTip(), "Zezevav starten");
    panel.Command6->click();
    EXPECT_EQ(shown(), (QStringList{"Cm1", "Label13", "Label17", "Label18", "Label19", "VScroll1"}));
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_TRUE(panel.VScroll(1)->isEnabled());
    EXPECT_TRUE(panel.Cm(1)->isEnabled());
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_TRUE(services.pointerChanges.isEmpty());
}

TEST_F(Panel, EightSlidersAtTheirTopsPlayTheirTonesAndEndInTheChart)
{
    const char *tops[] = {"3,8", "3,8", "3,8", "4", "6,5", "10", "24", "54"};
    const char *next[] = {"100", "200", "500", "1000", "2000", "5000", "10000", "10000"};
    const QRect sliderPlace = panel.VScroll(1)->geometry();
    const QRect okPlace = panel.Cm(1)->geometry();
    panel.Command6->click();
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(panel.VScroll(i)->geometry(), sliderPlace);
        EXPECT_EQ(panel.Cm(i)->geometry(), okPlace);
        services.mciWrites.clear();
        services.pointerChanges.clear();
        act(i, QAbstractSlider::SliderToMinimum);

        QStringList expected{"FileName=" + platform::soundFilePath(), "Flag1=false", "Flag2=true", "Command=Sound"};
        if (i == 1)
            expected.append("Command=Close");
        EXPECT_EQ(services.mciLog(), expected);
        EXPECT_EQ(services.mciWrites.first().control, "MMControl1");
        EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
        const UCVarnik::Slider &slider = UCVarnik::SliderTable[std::size_t(i - 1)];
        const float top = UCVarnik::deltaF(i, slider.min);
        EXPECT_FLOAT_EQ(panel.DeltaF[std::size_t(i)], top);
        EXPECT_FLOAT_EQ(panel.Freq, slider.frequency);
        const QByteArray &file = services.playedFiles.last();
        EXPECT_EQ(declaredDataBytes(file), 176400u);
        EXPECT_TRUE(file.mid(44) == fmTone(slider.frequency, top)) << "the samples of the swinging tone";

        confirm(i);
        EXPECT_FLOAT_EQ(panel.Result[std::size_t(i - 1)], top);
        EXPECT_EQ(panel.Lb2(i)->text().toStdString(), tops[i - 1]);
        EXPECT_EQ(panel.Label18->text(), next[i - 1]);
        EXPECT_TRUE(panel.VScroll(i)->isHidden());
        EXPECT_FALSE(panel.VScroll(i)->isEnabled());
    }
    EXPECT_EQ(services.playedFiles.size(), 8);
    EXPECT_EQ(shown(), (QStringList{"Ausgabe", "Command3", "Command4", "Command5", "Label13", "Label17", "Label18",
                                    "Label19"}));
    EXPECT_EQ(panel.Ausgabe->surface().primitives().size(), 30);
    EXPECT_TRUE(panel.Ausgabe2->isHidden());

    panel.Command5->click();
    EXPECT_FALSE(panel.Ausgabe2->isHidden());
    panel.Command3->click();
    panel.Command3->click();
    EXPECT_EQ(panel.Ausgabe->surface().primitives().size(), 30 + 28 + 28) << "drawn over, never cleared";
}

// "OK" records what its slider shows, moved or not; the texts use the locale's separator.
TEST_F(Panel, MeasuredColumnShowsWhatEachOkConfirmed)
{
    struct Row {
        const char *name;
        std::vector<QAbstractSlider::SliderAction> moves;
        float result;
        const char *text;
    };
    using A = QAbstractSlider;
    const Row rows[] = {
        {"50 Hz at the bottom", {A::SliderToMaximum}, 0.8f, "0,8"},
        {"100 Hz not moved", {}, 1.8f, "1,8"},
        {"200 Hz one step down", {A::SliderSingleStepAdd}, 1.1f, "1,1"},
        {"500 Hz not moved", {}, 1.5f, "1,5"},
        {"1000 Hz one step up", {A::SliderSingleStepSub}, 3.2f, "3,2"},
        {"2000 Hz a track click up", {A::SliderPageStepSub}, 6.3f, "6,3"},
        {"5000 Hz up and down again", {A::SliderSingleStepSub, A::SliderSingleStepAdd}, 19.0f, "19"},
        {"10000 Hz one step up", {A::SliderSingleStepSub}, 40.5f, "40,5"},
    };
    panel.Command6->click();
    int tones = 0;
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        const Row &row = rows[i - 1];
        SCOPED_TRACE(row.name);
        for (A::SliderAction move : row.moves)
            act(i, move);
        tones += int(row.moves.size());
        EXPECT_EQ(services.playedFiles.size(), tones) << "one tone per change";
        confirm(i);
        EXPECT_FLOAT_EQ(panel.Result[std::size_t(i - 1)], row.result);
        EXPECT_EQ(panel.Lb2(i)->text().toStdString(), row.text);
    }
    EXPECT_FLOAT_EQ(panel.DeltaF[2], 0) << "a slider never moved set no Δf";
}

TEST_F(Panel, TestWiederholenKeepsValuesAndTheNextStartClearsTheChart)
{
    panel.Command6->click();
    act(1, QAbstractSlider::SliderToMaximum);
    for (int i = 1; i <= UCVarnik::Sliders; ++i)
        confirm(i);
    panel.Command5->click();
    panel.Command4->click();
    EXPECT_EQ(shown(), (QStringList{"Command6", "Label13"}));
    EXPECT_TRUE(panel.Ausgabe2->isHidden());
    EXPECT_EQ(panel.Label18->text(), "50");

    panel.Command6->click();
    EXPECT_TRUE(panel.Ausgabe->surface().primitives().isEmpty());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(panel.Lb2(1)->text().toStdString(), "0,8") << "kept until confirmed again";
    EXPECT_EQ(panel.Lb2(8)->text().toStdString(), "40");
    act(1, QAbstractSlider::SliderSingleStepSub);
    act(1, QAbstractSlider::SliderSingleStepSub);
    confirm(1);
    EXPECT_EQ(panel.Lb2(1)->text().toStdString(), "1,2");
    EXPECT_EQ(panel.Lb2(2)->text().toStdString(), "1,8");
    // the second slider stands where the first one does, with its value of the first run
    EXPECT_EQ(panel.VScroll(2)->geometry(), panel.VScroll(1)->geometry());
    EXPECT_EQ(panel.VScroll(2)->value(), 0);
}

TEST_F(Panel, LevelIsReadBeforeEveryTone)
{
    panel.Command6->click();
    for (float l : {1000.f, 500.f, 2000.f, 1234.f}) {
        level = l;
        act(1, QAbstractSlider::SliderSingleStepSub);
        EXPECT_FLOAT_EQ(panel.Level, l);
        EXPECT_NEAR(peak(channel(services.playedFiles.last(), 0)), 10 * l, 1);
    }
}

TEST_F(Panel, HostDecidesPointerAndCloseAfterTheFirstSlider)
{
    struct Row {
        const char *name;
        TonePath::Pointer pointer;
        bool closes;
        QList<MousePointer> pointers;
        QStringList commands;
    };
    const Row rows[] = {
        {"the program", TonePath::Pointer::Hourglass, true, {MousePointer::Hourglass, MousePointer::Default},
         {"Sound", "Close", "Sound"}},
        {"a hosted control", TonePath::Pointer::Untouched, false, {}, {"Sound", "Sound"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        services.mciWrites.clear();
        UCVarnik hosted({[] { return 1000.f; }, {ModPlay::SoundOnly, row.pointer}, row.closes});
        hosted.Command6_Click();
        hosted.VScroll(1)->userAction(QAbstractSlider::SliderSingleStepSub);
        hosted.Cm_Click(1);
        services.pointerChanges.clear();
        hosted.VScroll(2)->userAction(QAbstractSlider::SliderSingleStepSub);
        EXPECT_EQ(services.mciCommands(), row.commands);
        EXPECT_EQ(services.pointerChanges, row.pointers);
    }
}

TEST_F(Panel, ToneThatCannotBeWrittenIsToldAndKeepsItsSwing)
{
    // a folder where the sound file belongs cannot be replaced by a file
    const QString path = platform::soundFilePath();
    ASSERT_TRUE(QDir().mkpath(path + "/blocked"));
    panel.Command6->click();
    act(1, QAbstractSlider::SliderSingleStepSub);
    QDir(path).removeRecursively();

    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.first().text.startsWith("Die Datei „")) << services.messages.first().text.toStdString();
    EXPECT_TRUE(services.mciWrites.isEmpty()) << "nothing played, and no \"Close\"";
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_FLOAT_EQ(panel.DeltaF[1], 2.0f);
    confirm(1);
    EXPECT_FLOAT_EQ(panel.Result[0], 2.0f);
}
