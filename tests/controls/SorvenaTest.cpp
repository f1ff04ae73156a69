#include "../demos/DemoFixture.h"

#include "controls/sorvena/RovadControl.h"
#include "common/SampleChunkBuilder.h"
#include "demos/frame/HarmonicSum.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <memory>

using namespace testing_support;

namespace {

class Sorvena : public demo_tests::DemoFixture {
protected:
    Sorvena() { QDir::setCurrent(dir.path()); }
    ~Sorvena() override { QDir::setCurrent(previousFolder); }

    // nothing may be left in the host's current folder
    QStringList currentFolder() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    const QString previousFolder = QDir::currentPath();
    std::unique_ptr<rovad::KlangPanel> control{sorvena::createRovad()};
};

} // namespace

TEST_F(Sorvena, IsMadeWithItsPlotsDrawnAndNothingButWiedergabe)
{
    // one period on the zero line and fifteen empty spectral lines, before anything is moved
    EXPECT_FALSE(control->Ausgabe1->surface().primitives().isEmpty());
    EXPECT_EQ(control->Ausgabe2->surface().primitives().size(), 2 + 15 * 2);
    const QList<QPushButton *> buttons = control->findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "Wiedergabe");
    EXPECT_TRUE(control->findChildren<QMenuBar *>().isEmpty());
    EXPECT_TRUE(services.mciWrites.isEmpty());
}

TEST_F(Sorvena, PlaysWithDeviceTypeOpenSoundCloseAndLeavesNoFileOrPointer)
{
    control->VScroll1[0]->setValue(50);
    control->HScroll1->setValue(2);
    control->Command2->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"DeviceType=WaveAudio", "FileName=" + platform::soundFilePath(),
                                              "Flag1=false", "Flag2=true", "Command=Open", "Command=Sound",
                                              "Command=Close"}));
    EXPECT_TRUE(services.pointerChanges.isEmpty());
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
    EXPECT_TRUE(currentFolder().isEmpty());

    // 2 s; harmonic 1 at 50 %: M = 1065, every frame raised by 18 to a peak of 19170
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 352800);
    EXPECT_EQ(u32At(wave, 40), 352800u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    const float omega = SampleMath::Omega(100.f);
    for (std::int32_t n = 1; n <= 88200; ++n) {
        const std::int16_t expected = std::int16_t(18 * demos::HarmonicSum(control->Amplitudes, omega, n));
        ASSERT_EQ(values[std::size_t(2 * n - 2)], expected) << "left, frame " << n;
        ASSERT_EQ(values[std::size_t(2 * n - 1)], expected) << "right, frame " << n;
    }
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 19170);
    EXPECT_EQ(*std::min_element(values.begin(), values.end()), -19170);
}

// Rovad's decisions hold in the control: silence is played too, the gain saturates, and a
// frequency that is no number is told before anything is written or played.
TEST_F(Sorvena, RovadsDecisionsHoldInTheControl)
{
    const struct {
        const char *name;
        int firstAmplitude;
        const char *frequency;
        bool played;
        std::int16_t lowest;
        std::int16_t highest;
    } rows[] = {
        {"all amplitudes 0: a silent tone, still written, played and removed", 0, "100", true, 0, 0},
        {"-1,6 Hz at 100 %: the gain saturates instead of wrapping", 100, "-1,6", true, -32768, 19170},
        {"a frequency that is no number", 100, "1a", false, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.mciWrites.clear();
        services.playedFiles.clear();
        services.messages.clear();
        control->VScroll1[0]->setValue(row.firstAmplitude);
        control->Text16->setText(QString::fromLatin1(row.frequency));
        control->Command2->click();

        EXPECT_EQ(services.mciCommands(), (row.played ? QStringList{"Open", "Sound", "Close"} : QStringList{}));
        ASSERT_EQ(services.playedFiles.size(), row.played ? 1 : 0);
        ASSERT_EQ(services.messages.size(), row.played ? 0 : 1);
        if (row.played) {
            const std::vector<std::int16_t> values = samples(services.playedFiles[0], 44);
            EXPECT_EQ(values.size(), 3u * 88200);
            EXPECT_EQ(*std::min_element(values.begin(), values.end()), row.lowest);
            EXPECT_LE(*std::max_element(values.begin(), values.end()), row.highest);
        } else {
            EXPECT_EQ(services.messages[0].text, QStringLiteral("Die Grundfrequenz „1a“ ist keine Zahl."));
            EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Exclamation);
        }
        EXPECT_TRUE(services.pointerChanges.isEmpty());
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
        EXPECT_TRUE(currentFolder().isEmpty());
    }
}

TEST_F(Sorvena, TwoInstancesKeepTheirOwnAmplitudesAndPlots)
{
    std::unique_ptr<rovad::KlangPanel> other{sorvena::createRovad()};
    const QImage spectrumBefore = other->Ausgabe2->surface().image();
    const QImage timeBefore = other->Ausgabe1->surface().image();
    control->VScroll1[4]->setValue(80);
    EXPECT_EQ(control->Amplitudes[4], 80);
    EXPECT_EQ(other->Amplitudes[4], 0);
    EXPECT_EQ(other->Text1[4]->text(), "0");
    EXPECT_NE(control->Ausgabe2->surface().image(), spectrumBefore);
    EXPECT_EQ(other->Ausgabe2->surface().image(), spectrumBefore);
    EXPECT_NE(control->Ausgabe1->surface().image(), timeBefore);
    EXPECT_EQ(other->Ausgabe1->surface().image(), timeBefore);
}
