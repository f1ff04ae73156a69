#include "audiometry/AudiometryTesting.h"

#include "controls/pellira/PelliraPanel.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "support/WaveBytes.h"
#include "thresholds/limbra/ModTon.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

using namespace audiometry_testing;
using pellira::PelliraPanel;
using platform::MousePointer;

namespace {

class Pellira : public AudiometryTest {
protected:
    // the kept tone file goes to a cache of this test's own, not the user's
    QTemporaryDir cache;
    const bool ownCache = qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    PelliraPanel panel;
    const QString keptFile = TonePath::filePath(PelliraPanel::TonePolicy);

    std::vector<std::int16_t> lastTone() const { return testing_support::samples(services.playedFiles.last(), 44); }
    void completeRun()
    {
        panel.Command6->click();
        for (int n = 1; n <= PelliraPanel::Bars; ++n)
            panel.Cm(n)->click();
    }
};

} // namespace

TEST_F(Pellira, EveryToneComesFromTheKeptFileAndOnlyPegeltonShowsTheHourglass)
{
    const QList<MousePointer> hourglass{MousePointer::Hourglass, MousePointer::Default};
    const struct {
        const char *name;
        std::function<void()> act;
        int peak;
        std::uint32_t declaredBytes;
        QList<MousePointer> pointers;
    } rows[] = {
        {"first Test starten: 50 Hz at 35 dB with A = 8", [&] { panel.Command6->click(); }, 450, 88200, {}},
        {"Pegelton: 2000 Hz at 100, whatever the slider shows", [&] { panel.Command1->click(); }, 100, 264600, hourglass},
        {"fine slider at -3: the slider value itself", [&] { panel.HScroll1->setValue(-3); }, 3, 88200, {}},
        {"fine slider at 0: silence, still written and played", [&] { panel.HScroll1->setValue(0); }, 0, 88200, {}},
        {"bar 1 at its top with the slider at -10: 70 dB",
         [&] {
             panel.HScroll1->setValue(-10);
             panel.VScroll(1)->setValue(30);
         },
         31623, 88200, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.playedFiles.clear();
        services.pointerChanges.clear();
        row.act();
        ASSERT_FALSE(services.playedFiles.isEmpty());
        const QByteArray played = services.playedFiles.back();
        EXPECT_EQ(peak(channel(played, 0)), row.peak);
        EXPECT_EQ(channel(played, 0), channel(played, 1));
        EXPECT_EQ(declaredDataBytes(played), row.declaredBytes);
        EXPECT_EQ(played.size(), 44 + 352800);
        const QStringList lastWrites = services.mciLog().mid(services.mciLog().size() - 4);
        EXPECT_EQ(lastWrites, (QStringList{"FileName=" + keptFile, "Flag1=false", "Flag2=true", "Command=Sound"}));
        EXPECT_EQ(services.pointerChanges, row.pointers);
        // kept until the next tone overwrites it
        EXPECT_EQ(testing_support::readFile(keptFile), played);
    }
    EXPECT_EQ(panel.Level(1)->text(), "70");
    EXPECT_FALSE(services.mciCommands().contains(QStringLiteral("Close")));
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(Pellira, FirstToneIsTheThresholdToneAtTheSlidersAmplitude)
{
    panel.Command6->click();
    SampleChunks chunks;
    ModTon::MakeThresholdTone(8, 40, -5, 50, chunks);
    EXPECT_EQ(services.playedFiles.last().mid(44), testing_support::joined(chunks));
    EXPECT_EQ(panel.Level(1)->text(), "35");
}

TEST_F(Pellira, NegativeSliderValuesInvertEverySample)
{
    const struct {
        const char *name;
        int value;
        std::function<void(PelliraPanel &, int)> play;
    } rows[] = {
        {"first test tone", 8, [](PelliraPanel &p, int s) {
             p.HScroll1->setValue(s);
             p.Command6->click();
         }},
        {"fine tone", 3, [](PelliraPanel &p, int s) { p.HScroll1->setValue(s); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        PelliraPanel up;
        row.play(up, row.value);
        const std::vector<std::int16_t> positive = lastTone();
        PelliraPanel down;
        row.play(down, -row.value);
        std::vector<std::int16_t> negative = lastTone();
        ASSERT_GT(peak(positive), 0);
        ASSERT_EQ(positive.size(), negative.size());
        for (std::int16_t &s : negative)
            s = std::int16_t(-s);
        EXPECT_EQ(negative, positive);
    }
}

TEST_F(Pellira, PegeltonRestoresThePointerWhenItsFileCannotBeWritten)
{
    // a folder where the kept file belongs cannot be replaced by a file
    ASSERT_TRUE(QDir().mkpath(keptFile + "/blocked"));
    panel.Command1->click();
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.mciWrites.isEmpty());

    QDir(keptFile).removeRecursively();
    panel.Command1->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(testing_support::readFile(keptFile), services.playedFiles[0]);
}

TEST_F(Pellira, LevelBlockStaysUnderTheChartWithOnlyButtonAndSliderHidden)
{
    const std::pair<QWidget *, QString> block[] = {
        {panel.Label14, "Einpegeln"}, {panel.Label15, "Grobeinstellung"}, {panel.Command1, "Pegelton"},
        {panel.Label16, "Feinabstimmung"}, {panel.Command2, "Command2"},
    };
    for (const auto &[widget, text] : block)
        EXPECT_EQ(widget->property("text").toString(), text);
    EXPECT_TRUE(panel.Command1->toolTip().isEmpty());
    EXPECT_EQ(panel.HScroll1->min(), -10);
    EXPECT_EQ(panel.HScroll1->max(), 10);
    EXPECT_EQ(panel.HScroll1->smallChange(), 1);
    EXPECT_EQ(panel.HScroll1->largeChange(), 3);
    EXPECT_EQ(panel.HScroll1->value(), 8);
    for (int n = 1; n <= PelliraPanel::Bars; ++n)
        EXPECT_EQ(panel.VScroll(n)->min(), LevelBars::ControlTop[std::size_t(n)]);
    // what is switched on besides the bars, their buttons and read-outs
    const auto shownBesideBars = [&] {
        return shownChildren(panel).filter(QRegularExpression("^(?!VScroll|Cm|Label([1-9]|1[01])$)"));
    };
    EXPECT_EQ(shownBesideBars(), (QStringList{"Command1", "Command6", "HScroll1", "Label12", "Label13", "Label14",
                                              "Label15", "Label16", "Label17", "Label18", "Label19"}));

    completeRun();
    EXPECT_TRUE(panel.Command1->isHidden());
    EXPECT_TRUE(panel.HScroll1->isHidden());
    EXPECT_TRUE(panel.Command2->isHidden());
    for (QWidget *label : {panel.Label14, panel.Label15, panel.Label16})
        EXPECT_FALSE(label->isHidden());
    EXPECT_FALSE(panel.Ausgabe->isHidden());
    // the chart lies over the labels
    EXPECT_GT(panel.children().indexOf(panel.Ausgabe), panel.children().indexOf(panel.Label16));

    panel.Command4->click();
    EXPECT_FALSE(panel.Command1->isHidden());
    EXPECT_FALSE(panel.HScroll1->isHidden());
    EXPECT_TRUE(panel.Command2->isHidden());
    EXPECT_EQ(panel.Label18->text(), "50");
    EXPECT_TRUE(services.pointerChanges.isEmpty());
}

TEST_F(Pellira, GoingAwaySendsNothing)
{
    auto other = std::make_unique<PelliraPanel>();
    other->Command6->click();
    const qsizetype writes = services.mciWrites.size();
    other.reset();
    EXPECT_EQ(services.mciWrites.size(), writes);
    EXPECT_EQ(services.mciCommands(), QStringList{"Sound"});
}
