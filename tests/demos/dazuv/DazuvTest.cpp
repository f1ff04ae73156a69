#include "demos/DemoFixture.h"
#include "demos/RandomRecords.h"

#include "demos/dazuv/Form1.h"
#include "demos/dazuv/LevelSentence.h"

#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/Screenshot.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace demo_tests;
using namespace testing_support;

namespace {

class Dazuv : public DemoFixture {
protected:
    dazuv::Form1 window;
};

} // namespace

TEST_F(Dazuv, SentenceFollowsTheLevelDifference)
{
    // the design text follows the locale
    EXPECT_EQ(window.Text4->text(), "3,16");
    EXPECT_TRUE(window.Label8->isHidden());
    EXPECT_FALSE(window.Text4->hasFrame());
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
    for (int L : {25, 26, 100}) {
        SCOPED_TRACE(L);
        window.HScroll1->setValue(L);
        window.HScroll2->setValue(1);
        services.messages.clear();
        services.mciWrites.clear();
        services.playedFiles.clear();
        services.pointerChanges.clear();
        services.dialogs.clear();
        const QString exported = path(QStringLiteral("pegel%1.wav").arg(L));
        services.dialogAnswers = {exported};

        window.Command2->click();
        window.frame().exportWave();

        if (L > 25) {
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
            EXPECT_EQ(peak(samples(services.playedFiles[0], 44 + 4 * 22050)), 12448);
        }
        EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
    }
}

TEST_F(Dazuv, SavesTheDesignValuesInSixBytes)
{
    services.dialogAnswers = {path(QStringLiteral("pegel.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("pegel.set"))), hex("0A 00 03 00 07 00"));
}

// Random, truncated and overlong files: the fields before the first refused one hold the file's
// values, and the read-outs and the sentence agree with the sliders.
TEST_F(Dazuv, EveryFileIsAppliedWholeOrReported)
{
    RandomRecords records({{window.HScroll1, 0, 100}, {window.HScroll2, 1, 10}, {window.HScroll3, 1, 10}}, 20261215);
    RecordHead sentence;
    sentence.check = [&](const QByteArray &) {
        const dazuv::LevelSentence expected = dazuv::levelSentence(window.HScroll1->value());
        EXPECT_EQ(window.Text1->text(), expected.level);
        EXPECT_EQ(window.Text2->text(), QString::number(window.HScroll2->value()));
        EXPECT_EQ(window.Text3->text(), QString::number(window.HScroll3->value()));
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

// Renders the window with the warning shown for a look by eye, and checks the red sentence
// and warning reached the screen on the box's white.
TEST_F(Dazuv, RendersTheSentenceWithTheWarning)
{
    window.show();
    window.HScroll1->setValue(30);
    const QImage shot = window.grab().toImage();
    saveScreenshot(shot, QStringLiteral("dazuv.png"));

    // smoothed text counted by its nearest colour
    const QList<QRgb> colours = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(128, 128, 128)};
    const QImage nearest = shot.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither)
                               .convertToFormat(QImage::Format_RGB32);
    const QPoint origin = window.centralWidget()->pos();
    const QPoint box = window.Ausgabe->pos() + origin;
    EXPECT_GT(pixelsOf(nearest, window.Label8->geometry().translated(box), Qt::red), 200);
    EXPECT_GT(pixelsOf(nearest, window.Text5->geometry().translated(box), Qt::red), 15);
    EXPECT_EQ(shot.pixelColor(window.Ausgabe->geometry().translated(origin).center()), QColor(Qt::white));
}
