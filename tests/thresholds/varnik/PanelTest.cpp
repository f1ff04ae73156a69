#include "VarnikTesting.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "thresholds/varnik/ModFrequenztest.h"
#include "thresholds/varnik/UCVarnik.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace audiometry_testing;
using platform::MousePointer;
using varnik::UCVarnik;
using A = QAbstractSlider;

namespace {

class Panel : public varnik_testing::VarnikTest {
protected:
    float level = 1000;
    UCVarnik panel{{[this] { return level; }, TonePath::Policy{ModPlay::SoundOnly}, true}};

    void act(int i, A::SliderAction action) { panel.VScroll(i)->userAction(action); }
    void confirm(int i)
    {
        ASSERT_FALSE(panel.Cm(i)->isHidden()) << "OK " << i << " is not shown";
        panel.Cm(i)->click();
    }
    QStringList shown() const { return shownChildren(panel); }
    std::string measured(int i) const { return panel.Lb2(i)->text().toStdString(); }
};

} // namespace

TEST_F(Panel, SliderRangesAndSteps)
{
    struct Row {
        int min, max, value, small, large;
    };
    const Row rows[] = {{20, -10, 0, 2, 2},  {20, -10, 0, 2, 2},  {20, -10, -5, 2, 3}, {20, -10, -5, 2, 3},
                        {30, -10, -5, 2, 3}, {40, -10, 0, 2, 3}, {50, -10, 0, 2, 3},  {140, -10, 0, 5, 5}};
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        SCOPED_TRACE(i);
        const platform::ScrollBar *bar = panel.VScroll(i);
        const Row &row = rows[i - 1];
        EXPECT_EQ((std::array{bar->min(), bar->max(), bar->value(), bar->smallChange(), bar->largeChange()}),
                  (std::array{row.min, row.max, row.value, row.small, row.large}));
    }
    EXPECT_EQ(panel.Cm(3)->toolTip(), "aktuellen Weret bestätigen");
    EXPECT_EQ(panel.Cm(5)->toolTip(), "aktuellen wert bestätigen");
}

// "OK" records what its slider shows, moved or not; the level is read before every tone.
TEST_F(Panel, EightSlidersPlayTheirTonesAndEndInTheChart)
{
    struct Row {
        const char *name;
        std::vector<A::SliderAction> moves;
        float level, result;
        const char *text, *next;
    };
    const Row rows[] = {
        {"50 Hz at the bottom", {A::SliderToMaximum}, 1000, 0.8f, "0,8", "100"},
        {"100 Hz not moved", {}, 1000, 1.8f, "1,8", "200"},
        {"200 Hz one step down", {A::SliderSingleStepAdd}, 500, 1.1f, "1,1", "500"},
        {"500 Hz not moved", {}, 500, 1.5f, "1,5", "1000"},
        {"1000 Hz one step up", {A::SliderSingleStepSub}, 2000, 3.2f, "3,2", "2000"},
        {"2000 Hz a track click up", {A::SliderPageStepSub}, 1234, 6.3f, "6,3", "5000"},
        {"5000 Hz up and down again", {A::SliderSingleStepSub, A::SliderSingleStepAdd}, 1000, 19.0f, "19", "10000"},
        {"10000 Hz at the top", {A::SliderToMinimum}, 1000, 54.0f, "54", "10000"},
    };
    const QRect sliderPlace = panel.VScroll(1)->geometry();
    EXPECT_EQ(shown(), QStringList{"Command6"});
    panel.Command6->click();
    EXPECT_EQ(shown(), (QStringList{"Cm1", "Label13", "Label17", "Label18", "Label19", "VScroll1"}));
    EXPECT_EQ(panel.Label18->text(), "50");
    int tones = 0;
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        const Row &row = rows[i - 1];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(panel.VScroll(i)->geometry(), sliderPlace);
        EXPECT_EQ(panel.Cm(i)->geometry(), panel.Cm(1)->geometry());
        services.mciWrites.clear();
        services.pointerChanges.clear();
        level = row.level;
        for (A::SliderAction move : row.moves)
            act(i, move);
        tones += int(row.moves.size());
        EXPECT_EQ(services.playedFiles.size(), tones) << "one tone per change";
        if (!row.moves.empty()) {
            const QStringList expected = varnik_testing::toneLog(i == 1);
            EXPECT_EQ(services.mciLog().mid(services.mciLog().size() - expected.size()), expected);
            EXPECT_EQ(services.mciWrites.first().control, "MMControl1");
            EXPECT_EQ(services.pointerChanges.mid(services.pointerChanges.size() - 2),
                      (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
            EXPECT_FLOAT_EQ(panel.DeltaF[std::size_t(i)], row.result);
            const QByteArray &file = services.playedFiles.last();
            EXPECT_EQ(declaredDataBytes(file), 176400u);
            EXPECT_NEAR(peak(channel(file, 0)), 10 * row.level, 1);
            SampleChunks tone;
            varnik::ModFrequenztest::GenerateFmTone(row.level, UCVarnik::SliderTable[std::size_t(i - 1)].frequency,
                                                    panel.DeltaF[std::size_t(i)], 88200, tone);
            EXPECT_TRUE(file.mid(44) == testing_support::joined(tone)) << "the samples of the swinging tone";
        } else {
            EXPECT_TRUE(services.mciWrites.isEmpty() && services.pointerChanges.isEmpty());
        }
        confirm(i);
        EXPECT_FLOAT_EQ(panel.Result[std::size_t(i - 1)], row.result);
        EXPECT_EQ(measured(i), row.text);
        EXPECT_EQ(panel.Label18->text(), row.next);
        EXPECT_TRUE(panel.VScroll(i)->isHidden());
        EXPECT_FALSE(panel.VScroll(i)->isEnabled());
    }
    EXPECT_FLOAT_EQ(panel.DeltaF[2], 0) << "a slider never moved set no Δf";
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

TEST_F(Panel, TestWiederholenKeepsValuesAndTheNextStartClearsTheChart)
{
    panel.Command6->click();
    act(1, A::SliderToMaximum);
    for (int i = 1; i <= UCVarnik::Sliders; ++i)
        confirm(i);
    panel.Command5->click();
    panel.Command4->click();
    EXPECT_EQ(shown(), (QStringList{"Command6", "Label13"}));
    EXPECT_TRUE(panel.Ausgabe2->isHidden());

    panel.Command6->click();
    EXPECT_TRUE(panel.Ausgabe->surface().primitives().isEmpty());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_EQ(measured(1), "0,8") << "kept until confirmed again";
    act(1, A::SliderSingleStepSub);
    act(1, A::SliderSingleStepSub);
    confirm(1);
    EXPECT_EQ(measured(1), "1,2");
    EXPECT_EQ(panel.VScroll(2)->value(), 0) << "the second slider keeps its value of the first run";
}

TEST_F(Panel, HostDecidesPointerAndCloseAfterTheFirstSlider)
{
    for (bool program : {true, false}) {
        SCOPED_TRACE(program ? "the program" : "a hosted control");
        services.mciWrites.clear();
        const auto pointer = program ? TonePath::Pointer::Hourglass : TonePath::Pointer::Untouched;
        UCVarnik hosted({[] { return 1000.f; }, {ModPlay::SoundOnly, pointer}, program});
        hosted.Command6_Click();
        hosted.VScroll(1)->userAction(A::SliderSingleStepSub);
        hosted.Cm_Click(1);
        services.pointerChanges.clear();
        hosted.VScroll(2)->userAction(A::SliderSingleStepSub);
        EXPECT_EQ(services.mciCommands(), (program ? QStringList{"Sound", "Close", "Sound"} : QStringList{"Sound", "Sound"}));
        EXPECT_EQ(services.pointerChanges.size(), program ? 2 : 0);
    }
}

TEST_F(Panel, ToneThatCannotBeWrittenIsToldAndKeepsItsSwing)
{
    // a folder where the sound file belongs cannot be replaced by a file
    const QString path = platform::soundFilePath();
    ASSERT_TRUE(QDir().mkpath(path + "/blocked"));
    panel.Command6->click();
    act(1, A::SliderSingleStepSub);
    QDir(path).removeRecursively();

    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages.first().text.startsWith("Die Datei „")) << services.messages.first().text.toStdString();
    EXPECT_TRUE(services.mciWrites.isEmpty()) << "nothing played, and no \"Close\"";
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    EXPECT_FLOAT_EQ(panel.DeltaF[1], 2.0f);
    confirm(1);
    EXPECT_FLOAT_EQ(panel.Result[0], 2.0f);
}

// Value captions name the lines beside them; the mean column is the curve's table.
TEST_F(Panel, ValueCaptionsAndMeanColumn)
{
    struct Row {
        const char *text;
        int top;
    };
    const QList<QLabel *> labels = panel.Ausgabe->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    for (const Row &row : {Row{"50", 240}, Row{"20", 2400}, Row{"5", 3480}, Row{"0", 3840}}) {
        SCOPED_TRACE(row.text);
        const QPoint at(platform::twipsToPixels(120), platform::twipsToPixels(row.top));
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](QLabel *l) { return l->text() == row.text && l->pos() == at; }));
    }
    const char *means[] = {"1,8", "1,9", "1,75", "2", "3,2", "5,1", "19,3", "50"};
    for (int i = 1; i <= UCVarnik::Sliders; ++i)
        EXPECT_EQ(panel.Lb1(i)->text(), means[i - 1]) << i;
}
