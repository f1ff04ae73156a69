#include "audiometry/AudiometryTesting.h"

#include "controls/mervane/VarnikControl.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"
#include "thresholds/varnik/ModFrequenztest.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace audiometry_testing;
using varnik::UCVarnik;

namespace {

class Mervane : public AudiometryTest {
protected:
    std::unique_ptr<UCVarnik> control{mervane::createVarnik()};

    // Every slider one step up, each confirmed; the tones as they were played.
    void completeRun()
    {
        control->Command6->click();
        for (int i = 1; i <= UCVarnik::Sliders; ++i) {
            control->VScroll(i)->userAction(QAbstractSlider::SliderSingleStepSub);
            control->Cm(i)->click();
        }
    }
};

} // namespace

TEST_F(Mervane, IsMadeHiddenAtThePanelsDesignSize)
{
    EXPECT_EQ(control->objectName(), "UCVarnik");
    EXPECT_TRUE(control->isHidden());
    EXPECT_EQ(control->parentWidget(), nullptr);
    EXPECT_EQ(control->size(), UCVarnik(mervane::panelOptions()).size());
    EXPECT_TRUE(services.mciWrites.isEmpty());
}

TEST_F(Mervane, EveryTonePeaksAt10000FromThePrivateFileWithoutCloseOrPointer)
{
    const QString file = platform::soundFilePath();
    EXPECT_EQ(QFileInfo(file).fileName(), "dummy.wav");
    completeRun();

    ASSERT_EQ(services.playedFiles.size(), UCVarnik::Sliders);
    for (int i = 1; i <= UCVarnik::Sliders; ++i) {
        SCOPED_TRACE(i);
        const QByteArray &played = services.playedFiles[i - 1];
        EXPECT_EQ(peak(channel(played, 0)), 10000);
        EXPECT_EQ(peak(channel(played, 1)), 10000);
        // the level pages' design value, since nothing can show them
        SampleChunks chunks;
        varnik::ModFrequenztest::GenerateFmTone(1000, UCVarnik::SliderTable[std::size_t(i - 1)].frequency,
                                                control->DeltaF[std::size_t(i)], UCVarnik::ToneFrames, chunks);
        EXPECT_EQ(played.mid(44), testing_support::joined(chunks));
        EXPECT_EQ(services.mciLog().mid(4 * (i - 1), 4),
                  (QStringList{"FileName=" + file, "Flag1=false", "Flag2=true", "Command=Sound"}));
    }
    // not even after the 50 Hz tones
    EXPECT_EQ(services.mciCommands(), QStringList(UCVarnik::Sliders, QStringLiteral("Sound")));
    EXPECT_TRUE(services.pointerChanges.isEmpty());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(QStringLiteral("dummy.wav")));
}

TEST_F(Mervane, AusgabeWerteShowsTheValueTable)
{
    completeRun();
    ASSERT_FALSE(control->Command5->isHidden());
    EXPECT_EQ(control->Command5->text(), "Ausgabe Werte");
    EXPECT_TRUE(control->Ausgabe2->isHidden());
    control->Command5->click();
    EXPECT_FALSE(control->Ausgabe2->isHidden());
    // 50 Hz one step up: 0.2 above its offset of 1.8
    EXPECT_EQ(control->Lb2(1)->text(), "2");
}
