#include "demos/DemoFixture.h"

#include "demos/diraz/Eingabe.h"

#include "platform/DrawingSurface.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"
#include "support/WaveBytes.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace demo_tests;
using namespace testing_support;

namespace {

const QColor Blue(0, 0, 255);

struct Point {
    double x;
    double y;  // up from the time axis, in pixels
};

// The blue curve's end points, in the plot's own orientation.
std::vector<Point> curve(const platform::DrawingSurface &box)
{
    const double middle = box.pixelSize().height() / 2.0;
    std::vector<Point> points;
    for (const platform::DrawnPrimitive &p : box.primitives())
        if (p.kind == platform::DrawnPrimitive::Kind::Line && p.color == Blue)
            points.push_back({p.to.x(), middle - p.to.y()});
    return points;
}

double peak(const std::vector<Point> &points)
{
    double largest = 0;
    for (const Point &p : points)
        largest = std::max(largest, std::abs(p.y));
    return largest;
}

// Sign changes strictly between the two ends of the curve, ignoring values at the axis.
int crossings(const std::vector<Point> &points, double tolerance)
{
    int count = 0;
    int sign = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (std::abs(points[i].y) < tolerance)
            continue;
        const int s = points[i].y > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            ++count;
        sign = s;
    }
    return count;
}

int largestSample(const QByteArray &wave)
{
    return testing_support::peak(samples(wave, 44));
}

class Diraz : public DemoFixture {
protected:
    double halfHeight() const { return window.Ausgabe->innerSize().height() / 2.0; }
    const platform::DrawingSurface &plot() const { return window.Ausgabe->surface(); }
    bool plotEmpty() const { return plot().primitives().isEmpty() && window.Label3->isHidden(); }

    diraz::Eingabe window;
};

} // namespace

TEST_F(Diraz, StartsWithTheDesignValuesAndAnEmptyPlot)
{
    EXPECT_EQ(window.Text1->text(), "500");
    EXPECT_EQ(window.Text2->text(), "5");
    EXPECT_EQ(window.Text3->text(), "5");
    EXPECT_TRUE(plotEmpty());
    EXPECT_TRUE(window.Label4->isHidden());
    EXPECT_EQ(window.windowTitle(), "Sinusschwingung");
}

TEST_F(Diraz, AmplitudeStepSetsThePeakOfTheCurve)
{
    window.VScroll1->userAction(QAbstractSlider::SliderSingleStepAdd);  // one step down
    EXPECT_EQ(window.Text2->text(), "4");
    EXPECT_NEAR(peak(curve(plot())) / halfHeight(), 0.36, 0.002);
    EXPECT_FALSE(window.Label3->isHidden());
    EXPECT_FALSE(window.Label4->isHidden());

    window.VScroll1->setValue(0);
    EXPECT_EQ(window.Text2->text(), "0");
    ASSERT_FALSE(curve(plot()).empty());
    EXPECT_EQ(peak(curve(plot())), 0.0);
}

TEST_F(Diraz, PlotShowsOnePeriodPer500Hz)
{
    const struct {
        int frequency;
        int crossings;
    } rows[] = {{500, 1}, {1000, 3}, {1500, 5}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.frequency);
        window.HScroll1->setValue(row.frequency == 500 ? 510 : 500);
        window.HScroll1->setValue(row.frequency);
        const std::vector<Point> points = curve(plot());
        const double W = window.Ausgabe->innerSize().width();
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front().x, 10);
        EXPECT_EQ(points.back().x, std::nearbyint(W - 10));
        const double R = peak(points);
        EXPECT_EQ(crossings(points, R * 0.01), row.crossings);
        EXPECT_GT(points[1].y, 0);  // rising from the amplitude axis
        EXPECT_LT(std::abs(points.back().y), R * 0.05);
    }
}

TEST_F(Diraz, EmptiedFrequencyBoxReadsZero)
{
    window.Text1->clear();
    EXPECT_EQ(window.Text1->text(), "0");
    EXPECT_EQ(window.HScroll1->value(), 0);
    ASSERT_FALSE(curve(plot()).empty());
    EXPECT_EQ(peak(curve(plot())), 0.0);
}

TEST_F(Diraz, TypingAFrequencyAppliesEachValidNumberAtOnce)
{
    struct Row {
        const char *name;
        int cursor;  // in "500"; -1: all of it selected
        const char *keys;
        std::vector<int> seen;
        const char *text;
        int cursorAfter;
        int crossings;
    };
    const Row rows[] = {
        {"over the whole number", -1, "1500", {1, 15, 150, 1500}, "1500", 4, 5},
        {"a digit inside 500", 1, "0", {5000}, "5000", 2, 19},
        {"digits in front of 500", 0, "12", {1500, 12500}, "12500", 2, 49},
    };
    window.show();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        window.Text1->setText(QStringLiteral("500"));
        window.Text1->setFocus();
        if (row.cursor < 0)
            window.Text1->selectAll();
        else
            window.Text1->setCursorPosition(row.cursor);
        std::vector<int> seen;
        for (const char *key = row.keys; *key; ++key) {
            QTest::keyClick(window.Text1, *key);
            seen.push_back(window.HScroll1->value());
        }
        EXPECT_EQ(seen, row.seen);
        EXPECT_EQ(window.Text1->text(), row.text);
        EXPECT_EQ(window.Text1->cursorPosition(), row.cursorAfter);
        EXPECT_EQ(crossings(curve(plot()), peak(curve(plot())) * 0.01), row.crossings);
    }
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(Diraz, FrequencyTextOutsideTheSliderLeavesSliderAndPlot)
{
    const char *rows[] = {"-", "-5", "5a", "abc", "nan", "inf", "20001", "123456", "1e9"};
    for (const char *text : rows) {
        SCOPED_TRACE(text);
        window.Text1->setText(QString::fromLatin1(text));
        EXPECT_EQ(window.HScroll1->value(), 500);
        EXPECT_EQ(window.Text1->text(), QString::fromLatin1(text));
        EXPECT_TRUE(plotEmpty());
    }
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(Diraz, FrequencyBoxShowsTheValueInForceOnceLeftOrUsed)
{
    services.dialogAnswers = {path(QStringLiteral("a.wav")), path(QStringLiteral("b.set"))};
    const struct {
        const char *name;
        std::function<void()> act;
    } rows[] = {
        {"the focus moves on", [&] { window.Command1->setFocus(); }},
        {"play", [&] { window.Command1->click(); }},
        {"export", [&] { window.findChild<QAction *>(QStringLiteral("menExport"))->trigger(); }},
        {"save", [&] { window.findChild<QAction *>(QStringLiteral("menSave"))->trigger(); }},
    };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window.Text1->setFocus();
        ASSERT_TRUE(window.Text1->hasFocus());
        window.Text1->selectAll();
        QTest::keyClicks(window.Text1, QStringLiteral("25000"));
        EXPECT_EQ(window.Text1->text(), "25000") << "typing is free while the box has the focus";
        EXPECT_EQ(window.HScroll1->value(), 2500);
        row.act();
        EXPECT_EQ(window.Text1->text(), "2500");
        EXPECT_EQ(window.HScroll1->value(), 2500);
    }
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(readFile(path(QStringLiteral("a.wav"))), services.playedFiles[0]) << "the tone of 2500 Hz";
    EXPECT_EQ(readFile(path(QStringLiteral("b.set"))), hex("05 00 C4 09 05 00"));
}

TEST_F(Diraz, DecimalFrequencyRoundsTiesToEven)
{
    const struct {
        const char *text;
        int value;
    } rows[] = {{"2,5", 2}, {"3,5", 4}, {"20000", 20000}, {"0", 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        window.Text1->setText(QString::fromLatin1(row.text));
        EXPECT_EQ(window.HScroll1->value(), row.value);
        EXPECT_EQ(window.Text1->text(), QString::number(row.value));
    }
}

TEST_F(Diraz, FrequencyArrowsAndTrackClicks)
{
    window.HScroll1->userAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(window.Text1->text(), "510");
    window.HScroll1->setValue(500);
    window.HScroll1->userAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window.Text1->text(), "505");
    window.HScroll2->userAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window.Text3->text(), "4");
}

TEST_F(Diraz, PlayWritesTheToneOfTheDesignValues)
{
    const QString soundFile = platform::soundFilePath();
    window.Command1->click();

    EXPECT_EQ(services.mciLog(), (QStringList{"FileName=" + soundFile, "Flag1=false", "Flag2=true", "Command=Open",
                                              "Command=Sound", "Command=Close"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    const QByteArray &wave = services.playedFiles[0];
    ASSERT_EQ(wave.size(), 44 + 882000);
    EXPECT_EQ(u32At(wave, 40), 882000u);
    EXPECT_EQ(largestSample(wave), 8000);
    const std::vector<std::int16_t> values = samples(wave, 44);
    // ω in single precision: a double one drifts the last frames by one
    const float omega = float(500 * 6.283185308 / 44100);
    for (std::size_t i = 0; i < values.size(); i += 2) {
        const auto expected = std::int16_t(std::nearbyint(8000 * std::sin(double(omega) * double(i / 2 + 1))));
        ASSERT_EQ(values[i], expected) << "frame " << i / 2 + 1;
        ASSERT_EQ(values[i + 1], expected) << "frame " << i / 2 + 1;
    }
    EXPECT_FALSE(QFile::exists(soundFile));
    EXPECT_TRUE(plotEmpty());
    EXPECT_EQ(services.pointerChanges.last(), platform::MousePointer::Default);
}

TEST_F(Diraz, ExportHoldsTheSameBytesAsPlay)
{
    window.VScroll1->setValue(9);
    window.HScroll2->setValue(1);
    window.Command1->click();
    services.dialogAnswers = {path(QStringLiteral("sinus.wav"))};
    window.frame().exportWave();

    const QByteArray exported = readFile(path(QStringLiteral("sinus.wav")));
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(exported, services.playedFiles[0]);
    EXPECT_EQ(largestSample(exported), 14400);
}

TEST_F(Diraz, SaveWritesTheSixByteRecord)
{
    services.dialogAnswers = {path(QStringLiteral("sinus.set"))};
    window.frame().saveSettings();
    EXPECT_EQ(readFile(path(QStringLiteral("sinus.set"))), hex("05 00 F4 01 05 00"));
}

TEST_F(Diraz, LoadAppliesFieldsInOrderUntilOneIsRefused)
{
    const struct {
        const char *name;
        QByteArray file;
        int amplitude, frequency, duration;
        bool message;
    } rows[] = {
        {"empty file: amplitude and frequency take 0, duration refuses it", {}, 0, 0, 5, true},
        {"a wave file: 'RI' is refused by the first slider", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), 5, 1000, 5, true},
        {"second field out of range: the first stays applied", hex("03 00 21 4E 05 00"), 3, 1000, 5, true},
        {"a valid record applies every field", hex("09 00 E8 03 01 00"), 9, 1000, 1, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        diraz::Eingabe fresh;
        fresh.Text1->setText(QStringLiteral("1000"));
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {fileWith(QStringLiteral("werte.set"), row.file)};

        fresh.frame().loadSettings();

        EXPECT_EQ(fresh.VScroll1->value(), row.amplitude);
        EXPECT_EQ(fresh.Text2->text(), QString::number(row.amplitude));
        EXPECT_EQ(fresh.HScroll1->value(), row.frequency);
        EXPECT_EQ(fresh.Text1->text(), QString::number(row.frequency));
        EXPECT_EQ(fresh.HScroll2->value(), row.duration);
        EXPECT_EQ(fresh.Text3->text(), QString::number(row.duration));
        EXPECT_EQ(services.messages.size(), row.message ? 1 : 0);
        // after the message the dialog comes back; cancelling it keeps what was applied
        EXPECT_EQ(services.dialogs.size(), row.message ? 2 : 1);
        EXPECT_EQ(services.pointerChanges.last(), platform::MousePointer::Default);
    }
}

TEST_F(Diraz, LoadingTheCurrentValuesRedrawsNothing)
{
    services.dialogAnswers = {fileWith(QStringLiteral("gleich.set"), hex("05 00 F4 01 05 00"))};
    window.frame().loadSettings();
    EXPECT_TRUE(plotEmpty());
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(window.Text1->text(), "500");
}
