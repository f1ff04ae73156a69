#include "demos/DemoFixture.h"
#include "demos/PlotPrimitives.h"
#include "demos/RandomRecords.h"
#include "demos/rozurovev/BeatTesting.h"

#include "demos/rozurovev/frmMain.h"
#include "demos/rozurovev/modSchwebung.h"

#include "platform/Convert.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/Screenshot.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace demo_tests;
using namespace testing_support;

namespace {

class Rozurovev : public DemoFixture {
protected:
    const platform::DrawingSurface &plot() const { return window.Grafik1->surface(); }
    QImage image() const { return plot().image(); }

    rozurovev::frmMain window;
};

} // namespace

TEST_F(Rozurovev, BoxesFollowTheFirstFrequencyAndTheOffset)
{
    const struct {
        const char *name;
        const char *text1;
        int offset, level;
        const char *text3, *text4;
        int beats;
    } rows[] = {
        {"the start: 500 Hz twice, no beat", "500", 0, 6, "500", "0", 0},
        {"offset -20 from 500", "500", -20, 6, "480", "20", 20},
        {"1000 Hz and +20", "1000", 20, 6, "1020", "20", 20},
        {"a decimal first frequency", "440,5", 3, 6, "443,5", "3", 3},
        {"a negative first frequency", "-7", 7, 6, "0", "7", 7},
        // 0,9 - 1 needs more digits than either type shows
        {"a second frequency below one", "0,9", -1, 6, "-0,1", "1", 1},
        {"beyond the single's digits", "1E8", 1, 6, "100000001", "0", 0},
        {"level 0 draws on the axis", "500", 5, 0, "505", "5", 0},
        {"an emptied box brings 500 back", "", -20, 6, "480", "20", 20},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window.HScroll3->setValue(row.level);
        window.Text1->setText(QString::fromUtf8(row.text1));
        window.HScroll2->setValue(row.offset);
        EXPECT_EQ(window.Text1->text(), *row.text1 ? QString::fromUtf8(row.text1) : QStringLiteral("500"));
        EXPECT_EQ(window.Text3->text(), row.text3);
        EXPECT_EQ(window.Text4->text(), row.text4);
        ASSERT_EQ(drawn(plot(), UpperCurve).size(), 501u);
        EXPECT_EQ(beatsDrawn(plot()), row.beats);
        EXPECT_NEAR(peakOf(plot()), row.beats == 0 ? 0.0 : 189 / 2.0 * row.level / 10.0, 1.0);
        window.HScroll2->setValue(0);
    }
}

TEST_F(Rozurovev, TypingStopsAtFourCharactersAndEnterPressesWiedergabe)
{
    window.show();
    window.activateWindow();
    window.Text1->setFocus();
    window.Text1->selectAll();
    window.HScroll2->setValue(10);
    std::vector<QString> seen;
    for (char key : std::string("12345")) {
        QTest::keyClick(window.Text1, key);
        seen.push_back(window.Text3->text());
    }
    EXPECT_EQ(window.Text1->text(), "1234");
    EXPECT_EQ(seen, (std::vector<QString>{"11", "22", "133", "1244", "1244"}));
    EXPECT_TRUE(services.messages.isEmpty());

    QTest::keyClick(window.Text1, Qt::Key_Return);
    EXPECT_EQ(services.mciCommands(), (QStringList{"Open", "Sound", "Close"}));
    // the quit button with the focus takes Enter itself
    services.mciWrites.clear();
    window.Command2->setFocus();
    QTest::keyClick(window.Command2, Qt::Key_Return);
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Rozurovev, TextThatIsNoNumberLeavesWhatFollowsFromIt)
{
    window.Text1->setText(QStringLiteral("1000"));
    window.HScroll2->setValue(-5);
    const QImage before = image();
    for (const char *text : {"-", "abc", "5a", "nan", "inf", "9E99", ","}) {
        SCOPED_TRACE(text);
        window.Text1->setText(QString::fromLatin1(text));
        window.HScroll2->setValue(-6);
        window.HScroll3->setValue(3);
        EXPECT_EQ(window.Text1->text(), QString::fromLatin1(text));
        EXPECT_EQ(window.Text3->text(), "995");
        EXPECT_EQ(window.Text4->text(), "5");
        EXPECT_EQ(window.Text5->text(), "3");
        EXPECT_TRUE(image() == before);
        window.HScroll2->setValue(-5);
        window.HScroll3->setValue(6);
    }
    EXPECT_TRUE(services.messages.isEmpty());
    // a number again catches up at once
    window.Text1->setText(QStringLiteral("100"));
    EXPECT_EQ(window.Text3->text(), "95");
    EXPECT_EQ(beatsDrawn(plot()), 5);
}

TEST_F(Rozurovev, PlayExportAndSaveRefuseTextThatIsNoNumber)
{
    window.Text1->setText(QStringLiteral("-"));
    services.dialogAnswers = {path(QStringLiteral("x.wav")), path(QStringLiteral("x.set"))};
    const std::pair<const char *, std::function<void()>> actions[] = {
        {"play", [&] { window.Command1->click(); }},
        {"export", [&] { window.frame().exportWave(); }},
        {"save", [&] { window.frame().saveSettings(); }},
    };
    for (const auto &[name, action] : actions) {
        SCOPED_TRACE(name);
        services.messages.clear();
        action();
        ASSERT_EQ(services.messages.size(), 1);
        EXPECT_EQ(services.messages[0].text, QStringLiteral("Die 1. Frequenz „-“ ist keine Zahl."));
        EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(services.mciWrites.isEmpty());
        EXPECT_TRUE(services.dialogs.isEmpty());
        EXPECT_TRUE(services.pointerChanges.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.wav"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.set"))));
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
}

TEST_F(Rozurovev, PlayWritesTheStartSettingWithoutRedrawing)
{
    const QImage before = image();
    const QString soundFile = platform::soundFilePath();
    window.Command1->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + soundFile, "Flag1=false", "Flag2=true", "Command=Open",
                                              "Command=Sound", "Command=Close"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 882000);
    EXPECT_EQ(u32At(wave, 40), 882000u);
    const std::vector<std::int16_t> values = samples(wave, 44);
    EXPECT_EQ(std::vector<std::int16_t>(values.begin(), values.begin() + 8),
              (std::vector<std::int16_t>{1367, 1367, 2726, 2726, 4072, 4072, 5397, 5397}));
    EXPECT_EQ(peak(values), 19200);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_TRUE(image() == before);
    EXPECT_EQ(services.pointerChanges,
              (QList<platform::MousePointer>{platform::MousePointer::Hourglass, platform::MousePointer::Default}));
}

TEST_F(Rozurovev, ExportAndSaveHoldTheBoxes)
{
    window.Text1->setText(QStringLiteral("440,5"));
    window.HScroll2->setValue(-20);
    window.HScroll1->setValue(9);
    window.HScroll3->setValue(10);
    services.dialogAnswers = {path(QStringLiteral("schwebung.wav")), path(QStringLiteral("werte.set"))};
    window.frame().exportWave();
    window.frame().saveSettings();

    const QByteArray exported = readFile(path(QStringLiteral("schwebung.wav")));
    ASSERT_EQ(exported.size(), 44 + 9 * 176400);
    EXPECT_EQ(u32At(exported, 40), 9 * 176400u);
    SampleChunks expected;
    modSchwebung::SynthesizeSchwebung(10.0f, 440.5f, 420.5f, 9 * 44100, expected);
    EXPECT_EQ(exported.mid(44), joined(expected));
    EXPECT_EQ(readFile(path(QStringLiteral("werte.set"))), hex("00 40 DC 43 EC FF 09 00 0A 00"));
}

// Random, truncated and overlong records: a first frequency that is no finite number changes
// nothing; otherwise the text, not cut to four characters, and the sliders before the first
// refused one hold the file's values.
TEST_F(Rozurovev, EveryRecordIsAppliedInOrderOrReported)
{
    RandomRecords records({{window.HScroll2, -20, 20}, {window.HScroll1, 1, 9}, {window.HScroll3, 0, 10}}, 20261214);
    QString textBefore = window.Text1->text();
    int refusedFrequency = 0;
    auto frequencyIn = [](const QByteArray &record) { return demos::SettingsReader(record).single(); };

    RecordHead frequency;
    frequency.make = [&] {
        const float kinds[] = {std::bit_cast<float>(std::uint32_t(records.random())),  // NaN and infinity included
                               std::numeric_limits<float>::infinity() * (records.random() % 2 ? 1.0f : -1.0f),
                               std::numeric_limits<float>::quiet_NaN(), float(int(records.random() % 200000)) / 10.0f};
        const std::uint32_t kind = std::uint32_t(records.random() % 5);  // finite twice as often
        return demos::SettingsWriter().single(kinds[std::min(kind, 3u)]).record();
    };
    frequency.refused = [&](const QByteArray &record) { return !std::isfinite(frequencyIn(record)); };
    frequency.check = [&](const QByteArray &record) {
        const float f1 = frequencyIn(record);
        refusedFrequency += !std::isfinite(f1);
        EXPECT_EQ(window.Text1->text(), std::isfinite(f1) ? platform::Convert::singleToText(f1) : textBefore);
        textBefore = window.Text1->text();
        EXPECT_EQ(window.Text2->text(), QString::number(window.HScroll1->value()));
        EXPECT_EQ(window.Text5->text(), QString::number(window.HScroll3->value()));
    };

    const LoadRounds outcome = loadRandomRecords(
        window.frame(), records, services,
        [&](const QByteArray &bytes) { return fileWith(QStringLiteral("zufall.set"), bytes); }, 600, frequency);
    EXPECT_GT(outcome.applied, 30);
    EXPECT_GT(outcome.reported, 50);
    EXPECT_GT(refusedFrequency, 50);
}

// Renders the window with a beat of 7 Hz for a look by eye, and checks the envelope reached the screen.
TEST_F(Rozurovev, RendersTheEnvelope)
{
    window.show();
    window.HScroll2->setValue(7);
    const QImage shot = window.grab().toImage();
    saveScreenshot(shot, QStringLiteral("rozurovev.png"));

    EXPECT_EQ(window.Grafik1->innerSize(), QSize(501, 189));
    EXPECT_EQ(plot().background(), window.palette().color(QPalette::Base));
    const QRect box = window.Grafik1->geometry().translated(window.centralWidget()->pos());
    // the upper curve two pixels wide across 501 columns, and the space under it filled
    EXPECT_GT(pixelsOf(shot, box, UpperCurve), 900);
    EXPECT_GT(pixelsOf(shot, box, Filling), 501 * 189 / 4);

    // a long first frequency, as a loaded record puts it in, shows from its leading digit: the
    // box begins as it does with that digit alone
    window.Text1->setText(QStringLiteral("123456"));
    const QImage whole = window.Text1->grab().toImage();
    window.Text1->setText(QStringLiteral("1"));
    const QImage first = window.Text1->grab().toImage();
    // the frame and the first digit, short of where the next one's edge may begin
    const QRect lead(0, 0, 1 + window.Text1->fontMetrics().horizontalAdvance('1'), whole.height());
    EXPECT_EQ(whole.copy(lead), first.copy(lead)) << "\"1\" at the start of \"123456\"";
    window.Text1->setText(QStringLiteral("7"));
    EXPECT_NE(window.Text1->grab().toImage().copy(lead), first.copy(lead)) << "the compared place holds the digit";
}
