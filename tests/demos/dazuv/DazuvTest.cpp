#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/dazuv/Form1.h"
#include "demos/dazuv/LevelSentence.h"

#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace demo_tests;
using namespace testing_support;

namespace {

class Dazuv : public DemoFixture {
protected:
    dazuv::Form1 window;
};

} // namespace

TEST_F(Dazuv, OpensWithTheDesignSentence)
{
    EXPECT_EQ(window.windowTitle(), "Pegeländerungen");
    EXPECT_EQ(window.Text1->text(), "10");
    EXPECT_EQ(window.Label3->text(), "10");
    EXPECT_EQ(window.Text4->text(), "3,16");
    EXPECT_EQ(window.Text5->text(), "10");
    EXPECT_TRUE(window.Label8->isHidden());
    EXPECT_EQ(window.Text2->text(), "3");
    EXPECT_EQ(window.Text3->text(), "7");
    EXPECT_EQ(window.Label8->text(), dazuv::WarningText);
    EXPECT_FALSE(window.Text4->hasFrame());
}

TEST_F(Dazuv, SentenceFollowsTheLevelDifference)
{
    const struct {
        int L;
        const char *factor;
        const char *sources;
        bool warns;
    } rows[] = {
        {0, "1", "1", false},        {1, "1,12201", "1,2589254117", false},
        {10, "3,16227", "10", false}, {20, "10", "100", false},
        {25, "17,7827", "316,22776601", false}, {26, "19,9526", "398,10717055", true},
        {99, "89125,0", "7943282347,2", true},  {100, "100000", "10000000000", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.L);
        window.HScroll1->setValue(row.L == 10 ? 11 : 10);
        window.HScroll1->setValue(row.L);
        EXPECT_EQ(window.Text1->text(), QString::number(row.L));
        EXPECT_EQ(window.Label3->text(), QString::number(row.L));
        EXPECT_EQ(window.Text4->text(), row.factor);
        EXPECT_EQ(window.Text5->text(), row.sources);
        EXPECT_EQ(!window.Label8->isHidden(), row.warns);
    }
}

TEST_F(Dazuv, PlayWritesSixAlternatingHalfSeconds)
{
    const QString soundFile = platform::soundFilePath();
    window.Command2->click();
    EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + soundFile, "Flag1=false", "Flag2=true", "Command=Sound"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 529200);
    EXPECT_EQ(u32At(wave, 40), 529200u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    EXPECT_EQ(values[0], 99);
    EXPECT_EQ(values[2 * 22050], 314);
    EXPECT_FALSE(QFile::exists(soundFile));

    // the window's unload closes the device
    services.mciWrites.clear();
    window.close();
    EXPECT_EQ(services.mciCommands(), QStringList{"Close"});
}

TEST_F(Dazuv, From26DecibelsPlayAndExportAreRefusedWithTheWarning)
{
    const struct {
        int L;
        bool refused;
    } rows[] = {{25, false}, {26, true}, {100, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.L);
        window.HScroll1->setValue(row.L);
        window.HScroll2->setValue(1);
        services.messages.clear();
        services.mciWrites.clear();
        services.playedFiles.clear();
        services.pointerChanges.clear();
        services.dialogs.clear();
        const QString exported = path(QStringLiteral("pegel%1.wav").arg(row.L));
        services.dialogAnswers = {exported};

        window.Command2->click();
        window.frame().exportWave();

        if (row.refused) {
            ASSERT_EQ(services.messages.size(), 2);
            for (const platform::MessageBoxRequest &message : services.messages) {
                EXPECT_EQ(message.text, dazuv::WarningText);
                EXPECT_EQ(message.icon, platform::MessageIcon::Exclamation);
            }
            EXPECT_TRUE(services.mciWrites.isEmpty());
            EXPECT_TRUE(services.dialogs.isEmpty());
            EXPECT_TRUE(services.pointerChanges.isEmpty());
            EXPECT_FALSE(QFile::exists(exported));
        } else {
            EXPECT_TRUE(services.messages.isEmpty());
            ASSERT_EQ(services.playedFiles.size(), 1);
            EXPECT_EQ(readFile(exported), services.playedFiles[0]);
            // the raised half at 10^1.25 × 700
            const std::vector<std::int16_t> raised = samples(services.playedFiles[0], 44 + 4 * 22050);
            EXPECT_EQ(*std::max_element(raised.begin(), raised.end()), 12448);
        }
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
    }
}

TEST_F(Dazuv, SettingsRoundTrip)
{
    services.dialogAnswers = {path(QStringLiteral("pegel.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("pegel.set"))), hex("0A 00 03 00 07 00"));

    const struct {
        const char *name;
        QByteArray file;
        int level, duration, loudness;
        bool message, warns;
    } rows[] = {
        {"30 dB shows the warning", hex("1E 00 02 00 05 00"), 30, 2, 5, false, true},
        {"20 dB hides it again", hex("14 00 02 00 05 00"), 20, 2, 5, false, false},
        {"an empty file: 0 dB, then the duration refuses 0", {}, 0, 2, 5, true, false},
        {"a wave file: 'RI' refused first", QByteArray("RIFF", 4), 0, 2, 5, true, false},
        {"loudness 11 refused last", hex("1A 00 0A 00 0B 00"), 26, 10, 5, true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.messages.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};
        window.frame().loadSettings();
        EXPECT_EQ(window.HScroll1->value(), row.level);
        EXPECT_EQ(window.Text1->text(), QString::number(row.level));
        EXPECT_EQ(window.HScroll2->value(), row.duration);
        EXPECT_EQ(window.Text2->text(), QString::number(row.duration));
        EXPECT_EQ(window.HScroll3->value(), row.loudness);
        EXPECT_EQ(window.Text3->text(), QString::number(row.loudness));
        EXPECT_EQ(services.messages.size(), row.message ? 1 : 0);
        EXPECT_EQ(!window.Label8->isHidden(), row.warns);
    }
}

// Random, truncated and overlong files: the fields before the first refused one hold the
// file's values, and the sentence agrees with the level slider.
TEST_F(Dazuv, EveryFileIsAppliedWholeOrReported)
{
    RandomRecords records({{window.HScroll1, 0, 100}, {window.HScroll2, 1, 10}, {window.HScroll3, 1, 10}}, 20261215);
    RecordHead sentence;
    sentence.check = [&](const QByteArray &) {
        const dazuv::LevelSentence expected = dazuv::levelSentence(window.HScroll1->value());
        EXPECT_EQ(window.Text4->text(), expected.pressureFactor.left(7));
        EXPECT_EQ(window.Text5->text(), expected.sourceCount.left(12));
        EXPECT_EQ(!window.Label8->isHidden(), window.HScroll1->value() > 25);
    };
    const LoadRounds outcome = loadRandomRecords(
        window.frame(), records, services,
        [&](const QByteArray &bytes) { return fileWith(QStringLiteral("zufall.set"), bytes); }, 600, sentence);
    EXPECT_GT(outcome.applied, 50);
    EXPECT_GT(outcome.reported, 50);
}
