#include "audiometry/AudiometryTesting.h"

#include "controls/mervane/VarnikControl.h"
#include "controls/pellira/PelliraPanel.h"
#include "controls/tavoni/TavoniPanel.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "thresholds/limbra/ModTon.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace audiometry_testing;
using Ear = UCHTest::Ear;
using pellira::PelliraPanel;
using platform::MousePointer;
using tavoni::TavoniPanel;
using varnik::UCVarnik;

namespace {

// The panels of Tavoni, Pellira and Mervane as their libraries make them.
class HostedPanels : public AudiometryTest {
protected:
    // the kept tone file goes to a cache of this test's own, not the user's
    QTemporaryDir cache;
    const bool ownCache = qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    const QString keptFile = TonePath::filePath(HostedTone);
    TavoniPanel tavoni;
    PelliraPanel pellira;
    std::unique_ptr<UCVarnik> varnik{mervane::createVarnik()};

    // every slider one step up, each confirmed
    void completeVarnikRun()
    {
        varnik->Command6->click();
        for (int i = 1; i <= UCVarnik::Sliders; ++i) {
            varnik->VScroll(i)->userAction(QAbstractSlider::SliderSingleStepSub);
            varnik->Cm(i)->click();
        }
    }
};

} // namespace

TEST_F(HostedPanels, EveryToneIsWrittenToItsFilePlayedWithoutCloseAndKeptOrRemoved)
{
    const QString privateFile = platform::soundFilePath();
    const struct {
        const char *name;
        std::function<void()> act;
        int tones, peakLeft, peakRight;
        std::uint32_t declaredBytes;
        QString file;  // the user's kept file, or the private one removed after playing
        QList<MousePointer> pointers = {};
        std::function<void()> before = [] {};
    } rows[] = {
        {"Tavoni, Pegelton: 2000 Hz at 100, whatever the slider shows", [&] { tavoni.Command1->click(); }, 1, 100,
         100, 264600, keptFile},
        {"Tavoni, fine slider at 3: 10 × 3", [&] { tavoni.HScroll1->setValue(3); }, 1, 30, 30, 88200, keptFile},
        {"Tavoni, fine slider at 0: silence, still written and played", [&] { tavoni.HScroll1->setValue(0); }, 1, 0,
         0, 88200, keptFile},
        {"Tavoni, fine slider's arrow: one step up from 0",
         [&] { tavoni.HScroll1->userAction(QAbstractSlider::SliderSingleStepAdd); }, 1, 10, 10, 88200, keptFile, {},
         [&] { tavoni.HScroll1->setValue(0); }},
        {"Tavoni, a click on the fine slider's track: three steps up from 0",
         [&] { tavoni.HScroll1->userAction(QAbstractSlider::SliderPageStepAdd); }, 1, 30, 30, 88200, keptFile, {},
         [&] { tavoni.HScroll1->setValue(0); }},
        {"Tavoni, first right bar at its top with the slider at 10",
         [&] { tavoni.VScroll(Ear::Right, 1)->setValue(30); }, 1, 0, 31623, 88200, keptFile, {},
         [&] {
             tavoni.HScroll1->setValue(10);
             tavoni.Command6->click();
         }},
        {"Pellira, first Test starten: 50 Hz at 35 dB with A = 8", [&] { pellira.Command6->click(); }, 1, 450, 450,
         88200, keptFile},
        {"Pellira, Pegelton: 2000 Hz at 100 under the hourglass", [&] { pellira.Command1->click(); }, 1, 100, 100,
         264600, keptFile, {MousePointer::Hourglass, MousePointer::Default}},
        {"Pellira, fine slider at -3: the slider value itself", [&] { pellira.HScroll1->setValue(-3); }, 1, 3, 3,
         88200, keptFile},
        {"Pellira, fine slider at 0: silence, still written and played", [&] { pellira.HScroll1->setValue(0); }, 1,
         0, 0, 88200, keptFile},
        {"Pellira, bar 1 at its top with the slider at -10: 70 dB", [&] { pellira.VScroll(1)->setValue(30); }, 1,
         31623, 31623, 88200, keptFile, {}, [&] { pellira.HScroll1->setValue(-10); }},
        {"Mervane, a whole run: every tone at the level pages' design value, no Close even after 50 Hz",
         [&] { completeVarnikRun(); }, UCVarnik::Sliders, 10000, 10000, 176400, privateFile},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        row.before();
        services.playedFiles.clear();
        services.mciWrites.clear();
        services.pointerChanges.clear();
        row.act();
        ASSERT_EQ(services.playedFiles.size(), row.tones);
        QStringList sequence;
        for (const QByteArray &played : services.playedFiles) {
            EXPECT_EQ(played.size(), 44 + 352800);
            EXPECT_EQ(declaredDataBytes(played), row.declaredBytes);
            EXPECT_EQ(peak(channel(played, 0)), row.peakLeft);
            EXPECT_EQ(peak(channel(played, 1)), row.peakRight);
            sequence << "FileName=" + row.file << "Flag1=false" << "Flag2=true" << "Command=Sound";
        }
        EXPECT_EQ(services.mciLog(), sequence);
        EXPECT_EQ(services.pointerChanges, row.pointers);
        EXPECT_EQ(QFileInfo(row.file).fileName(), "dummy.wav");
        // the kept file stays until the next tone overwrites it
        EXPECT_EQ(QFile::exists(row.file), row.file == keptFile);
        if (row.file == keptFile) {
            EXPECT_EQ(testing_support::readFile(row.file), services.playedFiles.last());
        }
    }
    EXPECT_EQ(pellira.Level(1)->text(), "70");
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("dummy.wav")));
}

TEST_F(HostedPanels, LevelBlockGivesWayToARunAndReturnsWithTestWiederholen)
{
    const int tops[] = {30, 45, 50, 60, 60, 60, 60, 60, 60, 50, 50};
    const struct {
        const char *name;
        std::function<void()> run;
        QList<QWidget *> hidden, staying;  // during the run
        std::function<int(int)> top;       // of bar n
        QPushButton *again;
        platform::ScrollBar *slider;
    } rows[] = {
        {"Tavoni hides the whole block at Test starten", [&] { tavoni.Command6->click(); },
         {tavoni.Command1, tavoni.HScroll1, tavoni.Label14, tavoni.Label15, tavoni.Label16}, {},
         [&](int n) {
             const int right = tavoni.VScroll(Ear::Right, n)->min();
             return right == tavoni.VScroll(Ear::Left, n)->min() ? right : -1;
         },
         tavoni.Command4, tavoni.HScroll1},
        {"Pellira hides only button and slider when the chart comes, the labels stay under it",
         [&] {
             pellira.Command6->click();
             for (int n = 1; n <= PelliraPanel::Bars; ++n)
                 pellira.Cm(n)->click();
         },
         {pellira.Command1, pellira.HScroll1}, {pellira.Label14, pellira.Label15, pellira.Label16, pellira.Ausgabe},
         [&](int n) { return pellira.VScroll(n)->min(); }, pellira.Command4, pellira.HScroll1},
    };
    const auto expectHidden = [](const QList<QWidget *> &widgets, bool hidden) {
        for (QWidget *w : widgets)
            EXPECT_EQ(w->isHidden(), hidden) << w->objectName().toStdString();
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.slider->value(), 8);
        for (int n = 1; n <= 11; ++n)
            EXPECT_EQ(row.top(n), tops[n - 1]) << "bar " << n;
        row.slider->setValue(5);
        expectHidden(row.hidden, false);
        row.run();
        expectHidden(row.hidden, true);
        expectHidden(row.staying, false);
        row.again->click();
        expectHidden(row.hidden, false);
        EXPECT_EQ(row.slider->value(), 5);
    }
    // Pellira's chart lies over the labels; its play routine's button is never shown
    EXPECT_GT(pellira.children().indexOf(pellira.Ausgabe), pellira.children().indexOf(pellira.Label16));
    EXPECT_TRUE(pellira.Command2->isHidden());
}

TEST_F(HostedPanels, PelliraPlaysTheThresholdToneAtTheSlidersAmplitudeAndInvertsItBelowZero)
{
    pellira.Command6->click();
    SampleChunks chunks;
    ModTon::MakeThresholdTone(8, 40, -5, 50, chunks);
    EXPECT_EQ(services.playedFiles.last().mid(44), testing_support::joined(chunks));
    EXPECT_EQ(pellira.Level(1)->text(), "35");

    // the first test tone and the fine tone, each at a positive and the negative slider value
    const std::function<void(PelliraPanel &, int)> tones[] = {
        [](PelliraPanel &p, int s) {
            p.HScroll1->setValue(s * 8);
            p.Command6->click();
        },
        [](PelliraPanel &p, int s) { p.HScroll1->setValue(s * 3); }};
    for (const auto &play : tones) {
        PelliraPanel up, down;
        play(up, 1);
        const std::vector<std::int16_t> positive = testing_support::samples(services.playedFiles.last(), 44);
        play(down, -1);
        std::vector<std::int16_t> negative = testing_support::samples(services.playedFiles.last(), 44);
        ASSERT_GT(peak(positive), 0);
        ASSERT_EQ(positive.size(), negative.size());
        for (std::int16_t &s : negative)
            s = std::int16_t(-s);
        EXPECT_EQ(negative, positive);
    }
}

TEST_F(HostedPanels, PelliraRestoresThePointerWhenPegeltonCannotWriteItsFile)
{
    // a folder where the kept file belongs cannot be replaced by a file
    ASSERT_TRUE(QDir().mkpath(keptFile + "/blocked"));
    pellira.Command1->click();
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.mciWrites.isEmpty());

    QDir(keptFile).removeRecursively();
    pellira.Command1->click();
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(testing_support::readFile(keptFile), services.playedFiles[0]);
}

TEST_F(HostedPanels, PelliraGoingAwaySendsNothing)
{
    auto other = std::make_unique<PelliraPanel>();
    other->Command6->click();
    const qsizetype writes = services.mciWrites.size();
    other.reset();
    EXPECT_EQ(services.mciWrites.size(), writes);
    EXPECT_EQ(services.mciCommands(), QStringList{"Sound"});
}

TEST_F(HostedPanels, MervanesAusgabeWerteShowsTheValueTable)
{
    completeVarnikRun();
    ASSERT_FALSE(varnik->Command5->isHidden());
    EXPECT_TRUE(varnik->Ausgabe2->isHidden());
    varnik->Command5->click();
    EXPECT_FALSE(varnik->Ausgabe2->isHidden());
    // 50 Hz one step up: 0.2 above its offset of 1.8
    EXPECT_EQ(varnik->Lb2(1)->text(), "2");
}
