#include "demos/DemoFixture.h"

#include "demos/rozurovev/frmMain.h"
#include "demos/rozurovev/modSchwebung.h"

#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace demo_tests;
using namespace testing_support;

namespace {

const QColor UpperCurve(255, 0, 0);

// The upper curve's values above the axis, one per column.
std::vector<double> upperCurve(const platform::DrawingSurface &box)
{
    const double middle = box.pixelSize().height() / 2.0;
    std::vector<double> up;
    for (const platform::DrawnPrimitive &p : box.primitives())
        if (p.color == UpperCurve)
            up.push_back(middle - p.to.y());
    return up;
}

double peak(const std::vector<double> &curve)
{
    double largest = 0;
    for (double y : curve)
        largest = std::max(largest, std::abs(y));
    return largest;
}

int periods(const std::vector<double> &curve)
{
    const double tolerance = peak(curve) * 0.01;
    int changes = 0;
    int sign = 0;
    for (double y : curve) {
        if (std::abs(y) < tolerance)
            continue;
        const int s = y > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            ++changes;
        sign = s;
    }
    return (changes + 1) / 2;
}

class Rozurovev : public DemoFixture {
protected:
    const platform::DrawingSurface &plot() const { return window.Grafik1->surface(); }
    QImage drawn() const { return plot().image(); }
    QString file(const QString &name) const { return path(name); }

    // Everything a refused action must leave alone.
    void expectRefused(const QString &text) const
    {
        ASSERT_EQ(services.messages.size(), 1);
        EXPECT_TRUE(services.messages[0].text.contains('"' + text + '"')) << services.messages[0].text.toStdString();
        EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(services.mciWrites.isEmpty());
        EXPECT_TRUE(services.dialogs.isEmpty());
        EXPECT_TRUE(services.pointerChanges.isEmpty());
        EXPECT_TRUE(services.playedFiles.isEmpty());
    }

    rozurovev::frmMain window;
};

} // namespace

TEST_F(Rozurovev, StartsAt500HzWithAFlatEnvelope)
{
    EXPECT_EQ(window.windowTitle(), "Rozurovev");
    EXPECT_EQ(window.Text1->text(), "500");
    EXPECT_EQ(window.Text3->text(), "500");
    EXPECT_EQ(window.Text4->text(), "0");
    EXPECT_EQ(window.Text2->text(), "5");
    EXPECT_EQ(window.Text5->text(), "6");
    EXPECT_EQ(window.Frequency1, 500.0f);
    EXPECT_EQ(window.Frequency2, 500.0f);
    const std::vector<double> up = upperCurve(plot());
    ASSERT_EQ(int(up.size()), window.Grafik1->innerSize().width());
    EXPECT_EQ(peak(up), 0.0);
    EXPECT_EQ(window.Grafik1->innerSize(), QSize(501, 189));
    EXPECT_EQ(window.Grafik1->surface().background(), window.palette().color(QPalette::Base));
}

TEST_F(Rozurovev, BoxesFollowTheFirstFrequencyAndTheOffset)
{
    const struct {
        const char *name;
        const char *text1;
        int offset, level;
        const char *text3, *text4;
        int periods;
    } rows[] = {
        {"offset -20 from 500", "500", -20, 6, "480", "20", 20},
        {"1000 Hz and +20", "1000", 20, 6, "1020", "20", 20},
        {"a decimal first frequency", "440,5", 3, 6, "443,5", "3", 3},
        {"a negative first frequency", "-7", 7, 6, "0", "7", 7},
        // 0,9 - 1 needs more digits than either type shows
        {"a second frequency below one", "0,9", -1, 6, "-0,1", "1", 1},
        {"beyond the single's digits", "1E8", 1, 6, "100000001", "0", 0},
        {"level 0 draws on the axis", "500", 5, 0, "505", "5", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window.HScroll3->setValue(row.level);
        window.Text1->setText(QString::fromUtf8(row.text1));
        window.HScroll2->setValue(row.offset);
        EXPECT_EQ(window.Text3->text(), row.text3);
        EXPECT_EQ(window.Text4->text(), row.text4);
        const std::vector<double> up = upperCurve(plot());
        EXPECT_EQ(periods(up), row.periods);
        EXPECT_NEAR(peak(up), row.periods == 0 ? 0.0 : 189 / 2.0 * row.level / 10.0, 1.0);
        window.HScroll2->setValue(0);
    }
}

TEST_F(Rozurovev, EmptiedFrequencyBoxBrings500BackAndRedraws)
{
    window.HScroll2->setValue(-20);
    window.Text1->setText(QStringLiteral("1000"));
    EXPECT_EQ(window.Text3->text(), "980");
    window.Text1->clear();
    EXPECT_EQ(window.Text1->text(), "500");
    EXPECT_EQ(window.Text3->text(), "480");
    EXPECT_EQ(window.Frequency1, 500.0f);
    EXPECT_EQ(window.Frequency2, 480.0f);
    EXPECT_EQ(periods(upperCurve(plot())), 20);
}

TEST_F(Rozurovev, TypingStopsAtFourCharactersAndEachNumberRedraws)
{
    window.show();
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
}

TEST_F(Rozurovev, EnterPressesWiedergabe)
{
    window.show();
    window.activateWindow();
    window.Text1->setFocus();
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
    const QImage before = drawn();
    const char *rows[] = {"-", "abc", "5a", "nan", "inf", "9E99", ","};
    for (const char *text : rows) {
        SCOPED_TRACE(text);
        window.Text1->setText(QString::fromLatin1(text));
        window.HScroll2->setValue(-6);
        window.HScroll3->setValue(3);
        EXPECT_EQ(window.Text1->text(), QString::fromLatin1(text));
        EXPECT_EQ(window.Text3->text(), "995");
        EXPECT_EQ(window.Text4->text(), "5");
        EXPECT_EQ(window.Text5->text(), "3");
        EXPECT_EQ(window.Frequency2, 995.0f);
        EXPECT_TRUE(drawn() == before);
        window.HScroll2->setValue(-5);
        window.HScroll3->setValue(6);
    }
    EXPECT_TRUE(services.messages.isEmpty());
    // a number again catches up at once
    window.Text1->setText(QStringLiteral("100"));
    EXPECT_EQ(window.Text3->text(), "95");
}

TEST_F(Rozurovev, PlayExportAndSaveRefuseTextThatIsNoNumber)
{
    window.Text1->setText(QStringLiteral("-"));
    services.dialogAnswers = {file(QStringLiteral("x.wav")), file(QStringLiteral("x.set"))};
    const struct {
        const char *name;
        std::function<void()> action;
    } rows[] = {
        {"play", [&] { window.Command1->click(); }},
        {"export", [&] { window.frame().exportWave(); }},
        {"save", [&] { window.frame().saveSettings(); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.messages.clear();
        row.action();
        expectRefused(QStringLiteral("-"));
    }
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.wav"))));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.set"))));
    EXPECT_FALSE(QFile::exists(platform::soundFilePath()));
}

TEST_F(Rozurovev, PlayWritesTheStartSettingWithoutRedrawing)
{
    const QImage before = drawn();
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
    EXPECT_EQ(*std::max_element(values.begin(), values.end()), 19200);
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_TRUE(drawn() == before);
    EXPECT_EQ(services.pointerChanges,
              (QList<platform::MousePointer>{platform::MousePointer::Hourglass, platform::MousePointer::Default}));
}

TEST_F(Rozurovev, ExportHoldsTheBeatOfTheBoxesAsPlayDoes)
{
    window.Text1->setText(QStringLiteral("440,5"));
    window.HScroll2->setValue(-20);
    window.HScroll1->setValue(1);
    window.HScroll3->setValue(10);
    window.Command1->click();
    services.dialogAnswers = {file(QStringLiteral("schwebung.wav"))};
    window.frame().exportWave();

    const QByteArray exported = readFile(file(QStringLiteral("schwebung.wav")));
    ASSERT_EQ(exported.size(), 44 + 176400);
    EXPECT_EQ(u32At(exported, 40), 176400u);
    SampleChunks expected;
    modSchwebung::SynthesizeSchwebung(10.0f, 440.5f, 420.5f, 44100, expected);
    EXPECT_EQ(exported.mid(44), joined(expected));
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(exported, services.playedFiles[0]);
    EXPECT_EQ(services.mciCommands(), (QStringList{"Open", "Sound", "Close"}));
}

TEST_F(Rozurovev, SaveWritesRecordOneOfTenBytes)
{
    const struct {
        const char *name;
        const char *text1;
        int offset, duration, level;
        const char *record;
    } rows[] = {
        {"start setting", "500", 0, 5, 6, "00 00 FA 43 00 00 05 00 06 00"},
        {"440,5 Hz, -20, 9 s, level 10", "440,5", -20, 9, 10, "00 40 DC 43 EC FF 09 00 0A 00"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window.Text1->setText(QString::fromUtf8(row.text1));
        window.HScroll2->setValue(row.offset);
        window.HScroll1->setValue(row.duration);
        window.HScroll3->setValue(row.level);
        const QString name = file(QString::fromUtf8(row.name) + QStringLiteral(".set"));
        services.dialogAnswers = {name};
        window.frame().saveSettings();
        EXPECT_EQ(readFile(name), hex(row.record));
    }
}

TEST_F(Rozurovev, LoadAppliesTheRecordInOrder)
{
    const struct {
        const char *name;
        QByteArray file;
        const char *text1;
        int offset, duration, level;
        bool message;
    } rows[] = {
        {"a valid record, the text not cut to four characters", hex("00 40 DC 43 03 00 02 00 0A 00"), "440,5", 3, 2, 10,
         false},
        {"duration 10: text and offset already loaded", hex("00 00 7A 44 EC FF 0A 00 06 00"), "1000", -20, 5, 6, true},
        {"an empty file: frequency and offset 0, duration refused", {}, "0", 0, 5, 6, true},
        {"not a number: nothing changes", hex("00 00 C0 7F 03 00 02 00 0A 00"), "777", 1, 5, 6, true},
        {"infinity: nothing changes", hex("00 00 80 FF 03 00 02 00 0A 00"), "777", 1, 5, 6, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        rozurovev::frmMain fresh;
        fresh.Text1->setText(QStringLiteral("777"));
        fresh.HScroll2->setValue(1);
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};

        fresh.frame().loadSettings();

        EXPECT_EQ(fresh.Text1->text(), row.text1);
        EXPECT_EQ(fresh.HScroll2->value(), row.offset);
        EXPECT_EQ(fresh.HScroll1->value(), row.duration);
        EXPECT_EQ(fresh.Text2->text(), QString::number(row.duration));
        EXPECT_EQ(fresh.HScroll3->value(), row.level);
        EXPECT_EQ(fresh.Text5->text(), QString::number(row.level));
        EXPECT_EQ(fresh.Text4->text(), QString::number(std::abs(row.offset)));
        EXPECT_EQ(services.messages.size(), row.message ? 1 : 0);
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
    }
}
