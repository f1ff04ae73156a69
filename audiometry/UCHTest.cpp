#include "UCHTest.h"

#include "Audiogram.h"
#include "ChartCaptions.h"
#include "LevelPlot.h"
#include "Modtest.h"
#include "common/SampleChunks.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

using LevelPlot::NormalThreshold;
using LevelPlot::ToneFrequencies;
using platform::setTwipsGeometry;

namespace {

QLabel *label(const QString &text, QWidget *parent, int left, int top, int width, int height)
{
    return platform::designLabel(parent, text, QRect(left, top, width, height));
}

void setPointSize(QLabel *label, double points, bool bold = false)
{
    platform::useFont(*label, points, bold);
    platform::fitToText(label);
}

QPushButton *button(const QString &caption, const QString &tip, QWidget *parent, int left, int top, int width, int height)
{
    return platform::designButton(parent, caption, tip, QRect(left, top, width, height));
}

QString frequencyText(int i)
{
    return platform::Convert::singleToText(ToneFrequencies[std::size_t(i)]);
}

PanelOptions withLevel(UCHTest::LevelSource level)
{
    PanelOptions options;
    options.level = std::move(level);
    return options;
}

} // namespace

UCHTest::UCHTest(LevelSource level, QWidget *parent)
    : UCHTest(withLevel(std::move(level)), {}, parent)
{
}

UCHTest::~UCHTest()
{
    if (m_options.closesOnDestroy)
        MMControl1.setCommand(QStringLiteral("Close"));
}

UCHTest::UCHTest(PanelOptions options, PanelHooks hooks, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
    , m_hooks(std::move(hooks))
{
    if (m_options.barTops.empty())
        m_options.barTops.assign(BarTop.begin(), BarTop.end());
    resize(platform::twipsRect(0, 0, DesignWidth, DesignHeight).size());
    platform::useDesignFont(*this);

    Command6 = button(QStringLiteral("Test starten"), QStringLiteral("Zezevav starten"), this, 240, 960, 1335, 615);
    Command4 = button(QStringLiteral("Test wiederholen"), QStringLiteral("Start eines neuen Testdurchlaufs"), this, 2520,
                      4680, 1455, 375);
    Command3 = button(QStringLiteral("Normalkurve"), QStringLiteral("Ausgabe normalen Schwellenverlaufs (grün)"), this, 360,
                      4680, 1815, 375);
    Command2 = button(QStringLiteral("Command2"), QString(), this, 240, 840, 1215, 315);
    Command4->hide();
    Command3->hide();
    Command2->hide();

    Label2 = label(QStringLiteral("Messung rechtes Ohr"), this, 360, 240, 2295, 375);
    platform::setTextColor(Label2, QColor(255, 0, 0));
    setPointSize(Label2, 12);
    Label1 = label(QStringLiteral(" Messung linkes Ohr"), this, 360, 240, 2295, 375);
    platform::setTextColor(Label1, QColor(0, 0, 255));
    setPointSize(Label1, 12);
    Label17 = label(QStringLiteral("aktuelle Frequenz:"), this, 240, 1920, 1335, 255);
    // the right-aligned frequency behind it reaches the left end of its place at "10000"
    platform::shrinkFontToWidth(Label17, platform::twipsToPixels(1335));
    Label18 = label(QStringLiteral("50"), this, 1620, 1920, 615, 255);
    Label18->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    platform::setTextColor(Label18, QColor(255, 0, 0));
    Label19 = label(QStringLiteral("Hz"), this, 2340, 1920, 375, 255);
    for (QLabel *l : {Label1, Label2, Label17, Label18, Label19})
        l->hide();

    createBars(Ear::Right);
    createBars(Ear::Left);

    // created last so that it lies over the status labels and the test controls
    Ausgabe = new platform::PictureBox(this);
    setTwipsGeometry(Ausgabe, 120, 240, 8415, 4335);
    Ausgabe->setToolTip(QStringLiteral("Ausgabe der aufgenommenen Hörkurven"));
    Ausgabe->surface().setPersistent(true);
    createChartLabels();
    Ausgabe->hide();

    const std::pair<QWidget *, const char *> names[] = {
        {Command6, "Command6"}, {Command4, "Command4"}, {Command3, "Command3"}, {Command2, "Command2"},
        {Label1, "Label1"},     {Label2, "Label2"},     {Label17, "Label17"},   {Label18, "Label18"},
        {Label19, "Label19"},   {Ausgabe, "Ausgabe"},   {Label5, "Label5"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void UCHTest::createBars(Ear ear)
{
    auto &bars = ear == Ear::Right ? m_rVScroll : m_lVScroll;
    auto &buttons = ear == Ear::Right ? m_rCm : m_lCm;
    for (int i = 1; i <= Bars; ++i) {
        // only the current frequency's bar and button are ever shown, on the places of bar 1's
        const QRect place = i == 1 ? QRect(4080, 1440, 375, 2655) : QRect(4080 + 120 * i, 0, 120, 120);
        auto *bar = platform::designScrollBar(this, Qt::Vertical, place,
                                              LevelBars::design(m_options.barTops.at(std::size_t(i))));
        bar->hide();
        bar->setEnabled(false);
        bar->setChangeHandler([this, ear, i] { VScroll_Change(ear, i); });
        bar->setObjectName(QStringLiteral("%1VScroll%2").arg(ear == Ear::Right ? 'r' : 'l').arg(i));
        bars[std::size_t(i)] = bar;

        const QString tip = ear == Ear::Right ? LevelBars::okToolTip(i) : QString();
        QPushButton *ok = i == 1 ? button(QStringLiteral("OK"), tip, this, 3240, 2400, 615, 375)
                                 : button(QStringLiteral("OK"), tip, this, 3240 + 120 * i, 0, 120, 120);
        ok->setObjectName(QStringLiteral("%1Cm%2").arg(ear == Ear::Right ? 'r' : 'l').arg(i));
        ok->hide();
        ok->setEnabled(false);
        connect(ok, &QPushButton::clicked, this, [this, ear, i] { Cm_Click(ear, i); });
        buttons[std::size_t(i)] = ok;
    }
}

void UCHTest::createChartLabels()
{
    ChartCaptions::place(Ausgabe, LevelPlot::LevelCaptions);

    QLabel *right = label(QStringLiteral("rechtes Ohr"), Ausgabe, 4680, 120, 1335, 255);
    platform::setTextColor(right, Audiogram::RightEarColor);
    setPointSize(right, 8.25, true);
    QLabel *left = label(QStringLiteral("linkes Ohr"), Ausgabe, 4680, 360, 1335, 255);
    platform::setTextColor(left, QColor(0, 0, 192));
    setPointSize(left, 8.25, true);
    Label5 = label(QStringLiteral("Normalverlauf"), Ausgabe, 4680, 600, 1335, 255);
    platform::setTextColor(Label5, QColor(0, 192, 0));
    setPointSize(Label5, 9.75);
    Label5->hide();
}

platform::ScrollBar *UCHTest::VScroll(Ear ear, int i) const
{
    return (ear == Ear::Right ? m_rVScroll : m_lVScroll).at(std::size_t(i));
}

QPushButton *UCHTest::Cm(Ear ear, int i) const
{
    return (ear == Ear::Right ? m_rCm : m_lCm).at(std::size_t(i));
}

void UCHTest::VScroll_Change(Ear ear, int i)
{
    QPushButton *ok = Cm(ear, i);
    const bool okWasShown = !ok->isHidden();
    const bool okWasEnabled = ok->isEnabled();
    ok->show();
    ok->setEnabled(true);
    m_frequency = ToneFrequencies[std::size_t(i)];
    m_sampleCount = ToneSampleCount;
    m_amplitude = m_options.level();
    m_normal = NormalThreshold[std::size_t(i)];
    FillStandardFormat(m_format);
    if (i == 1) {
        Command6->hide();
        Command2->hide();
    }
    const float v = float(VScroll(ear, i)->value());

    const bool heard = playTone(TonePath::toneFile(m_format, m_sampleCount, [&](SampleChunks &chunks) {
        if (ear == Ear::Right)
            Modtest::MakeToneRight(m_amplitude, m_normal, v, m_frequency, chunks);
        else
            Modtest::MakeToneLeft(m_amplitude, m_normal, v, m_frequency, chunks);
    }));
    // a tone that was not heard is not recorded, and without an earlier tone on this bar there
    // is nothing to confirm
    if (!heard) {
        ok->setVisible(okWasShown);
        ok->setEnabled(okWasEnabled);
        return;
    }
    CurrentLevel[std::size_t(i)] = float(VScroll(ear, i)->value()) + m_normal;
}

bool UCHTest::playTone(const TonePath::Writer &write)
{
    return TonePath::play(MMControl1, m_options.tone, write, [this](const QString &) {
        Command2->setEnabled(true);
        Command2_Click();
    });
}

void UCHTest::Command2_Click()
{
    ModPlay::PlayWaveFile(MMControl1, TonePath::filePath(m_options.tone), m_options.tone.sequence);
}

void UCHTest::Cm_Click(Ear ear, int i)
{
    auto &threshold = ear == Ear::Right ? RightThreshold : LeftThreshold;
    threshold[std::size_t(i)] = CurrentLevel[std::size_t(i)];
    platform::ScrollBar *bar = VScroll(ear, i);
    bar->setEnabled(false);
    bar->hide();
    Cm(ear, i)->hide();

    if (i < Bars) {
        Label18->setText(frequencyText(i + 1));
        platform::ScrollBar *next = VScroll(ear, i + 1);
        // the next frequency appears where the first one stood
        next->setGeometry(VScroll(ear, 1)->geometry());
        Cm(ear, i + 1)->setGeometry(Cm(ear, 1)->geometry());
        next->setEnabled(true);
        next->show();
        return;
    }
    if (ear == Ear::Right) {
        Label18->setText(frequencyText(1));
        Label2->hide();
        Label1->show();
        VScroll(Ear::Left, 1)->show();
        VScroll(Ear::Left, 1)->setEnabled(true);
    } else {
        DrawHearingCurves();
    }
}

void UCHTest::Command6_Click()
{
    Ausgabe->surface().clear();
    Label18->setText(frequencyText(1));
    for (QLabel *l : {Label2, Label17, Label18, Label19})
        l->show();
    Command4->hide();
    Command3->hide();
    Ausgabe->hide();
    VScroll(Ear::Right, 1)->show();
    VScroll(Ear::Right, 1)->setEnabled(true);
    Command6->setEnabled(true);
    Command6->hide();
    PanelHooks::run(m_hooks.started);
}

void UCHTest::Command4_Click()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Ausgabe, Label5, Command3, Command4, Label1, Label17, Label18, Label19})
        w->hide();
    Command6->show();
    Command6->setEnabled(true);
    PanelHooks::run(m_hooks.repeated);
}

void UCHTest::Command3_Click()
{
    DrawNormalCurve();
    Label5->show();
}

void UCHTest::chartHead()
{
    Ausgabe->surface().setDrawWidth(1);
    Ausgabe->show();
    Command3->show();
    Command4->show();
    Command6->hide();
    Command2->hide();
}

void UCHTest::DrawHearingCurves()
{
    chartHead();
    RightThreshold[0] = LevelPlot::NormalThreshold[0];
    LeftThreshold[0] = LevelPlot::NormalThreshold[0];
    Audiogram::drawHearingCurves(Ausgabe->surface(), RightThreshold, LeftThreshold);
}

void UCHTest::DrawNormalCurve()
{
    chartHead();
    Audiogram::drawNormalCurve(Ausgabe->surface());
}
