#include "audiometry/AudiometryTesting.h"

#include "controls/tavoni/TavoniPanel.h"
#include "common/TonePath.h"
#include "platform/ScrollBar.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace audiometry_testing;
using Ear = UCHTest::Ear;
using tavoni::TavoniPanel;

namespace {

class Tavoni : public AudiometryTest {
protected:
    // the kept tone file goes to a cache of this test's own, not the user's
    QTemporaryDir cache;
    const bool ownCache = qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    TavoniPanel panel;
    const QString keptFile = TonePath::filePath(HostedTone);

    bool levelBlockShown() const
    {
        for (QWidget *w : std::initializer_list<QWidget *>{panel.Command1, panel.HScroll1, panel.Label14,
                                                            panel.Label15, panel.Label16})
            if (w->isHidden())
                return false;
        return true;
    }
};

} // namespace

TEST_F(Tavoni, EveryToneOfThePanelPlaysFromTheKeptFileWithoutPointerOrClose)
{
    const struct {
        const char *name;
        std::function<void()> act;
        int peakLeft;
        int peakRight;
        std::uint32_t declaredBytes;
    } rows[] = {
        {"Pegelton: 2000 Hz at 100, whatever the slider shows", [&] { panel.Command1->click(); }, 100, 100, 264600},
        {"fine slider at 3: 10 × 3", [&] { panel.HScroll1->setValue(3); }, 30, 30, 88200},
        {"fine slider at 0: silence, still written and played", [&] { panel.HScroll1->setValue(0); }, 0, 0, 88200},
        {"first right bar at its top with the slider at 10",
         [&] {
             panel.HScroll1->setValue(10);
             panel.Command6->click();
             panel.VScroll(Ear::Right, 1)->setValue(30);
         },
         0, 31623, 88200},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.playedFiles.clear();
        services.mciWrites.clear();
        row.act();
        ASSERT_FALSE(services.playedFiles.isEmpty());
        const QByteArray played = services.playedFiles.back();
        EXPECT_EQ(peak(channel(played, 0)), row.peakLeft);
        EXPECT_EQ(peak(channel(played, 1)), row.peakRight);
        EXPECT_EQ(declaredDataBytes(played), row.declaredBytes);
        const QStringList lastTone = services.mciLog().mid(services.mciLog().size() - 4);
        EXPECT_EQ(lastTone, (QStringList{"FileName=" + keptFile, "Flag1=false", "Flag2=true", "Command=Sound"}));
        // kept until the next tone overwrites it
        EXPECT_EQ(testing_support::readFile(keptFile), played);
    }
    EXPECT_TRUE(services.pointerChanges.isEmpty());
    EXPECT_FALSE(services.mciCommands().contains(QStringLiteral("Close")));
}

TEST_F(Tavoni, LevelBlockHidesForARunAndReturnsWithTestWiederholen)
{
    EXPECT_TRUE(levelBlockShown());
    EXPECT_EQ(panel.HScroll1->value(), 8);
    panel.HScroll1->setValue(5);
    panel.Command6->click();
    EXPECT_FALSE(panel.Command1->isVisibleTo(&panel));
    EXPECT_FALSE(panel.HScroll1->isVisibleTo(&panel));
    // the bars' tops are the control's own, equally for both ears
    for (int i = 1; i <= UCHTest::Bars; ++i) {
        EXPECT_EQ(panel.VScroll(Ear::Right, i)->min(), TavoniPanel::BarTops[std::size_t(i)]);
        EXPECT_EQ(panel.VScroll(Ear::Left, i)->min(), TavoniPanel::BarTops[std::size_t(i)]);
    }
    panel.Command4->click();
    EXPECT_TRUE(levelBlockShown());
    EXPECT_EQ(panel.HScroll1->value(), 5);
}
