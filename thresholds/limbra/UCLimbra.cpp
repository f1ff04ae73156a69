#include "UCLimbra.h"

#include "ModTon.h"
#include "ThresholdChart.h"
#include "audiometry/ChartCaptions.h"
#include "audiometry/LevelPlot.h"
#include "common/SampleChunks.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <vector>

namespace limbra {

using LevelPlot::NormalThreshold;
using LevelPlot::ToneFrequencies;

namespace {

// The read-outs' start captions, value -5 over each bar, as they stand at design time.
const char *const StartCaptions[] = {"", "35", "20", "9", "0,5", "-2", "-5", "-10,5", "-9", "-5", "9", "5"};

// Columns of bars, buttons and read-outs, 600 twips apart.
constexpr int column(int bar)
{
    return 600 * (bar - 1);
}

QString frequencyText(int bar)
{
    return platform::Convert::singleToText(ToneFrequencies[std::size_t(bar)]);
}

} // namespace

UCLimbra::UCLimbra(PanelOptions options, PanelHooks hooks, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
    , m_hooks(std::move(hooks))
{
    if (m_options.barTops.empty())
        m_options.barTops.assign(LevelBars::Top.begin(), LevelBars::Top.end());
    resize(platform::twipsRect(0, 0, DesignWidth, DesignHeight).size());
    platform::useDesignFont(*this);

    Label12 = platform::designLabel(this, QStringLiteral("Schallpegel in [dB]"), QRect(600, 360, 1455, 255));
    Label13 = platform::designLabel(this, QStringLiteral("Werte Bestätigen"), QRect(720, 2160, 1335, 255));
    Label17 = platform::designLabel(this, QStringLiteral("aktuelle Frequenz:"), QRect(2280, 2640, 1335, 255));
    Label18 = platform::designLabel(this, QStringLiteral("50"), QRect(3840, 2640, 735, 255));
    platform::setLabelColors(Label18, QColor(255, 0, 0), Qt::white);
    Label19 = platform::designLabel(this, QStringLiteral("Hz"), QRect(4800, 2640, 375, 255));

    Command6 = platform::designButton(this, QStringLiteral("Test starten"), QStringLiteral("Zezevav starten"),
                                      QRect(720, 1080, 1335, 615));
    Command3 = platform::designButton(this, QStringLiteral("Normalkurve"),
                                      QStringLiteral("Ausgabe der idealen Ruhehörschwelle"), QRect(480, 4800, 1815, 375));
    Command4 = platform::designButton(this, QStringLiteral("Test wiederholen"),
                                      QStringLiteral("Start eines neuen Testdurchlaufs"), QRect(2640, 4800, 1455, 375));
    Command3->hide();
    Command4->hide();

    createBars();
    // created last so that the chart lies over the bars, buttons and read-outs
    createChart();

    const std::pair<QWidget *, const char *> names[] = {
        {Command6, "Command6"}, {Command4, "Command4"}, {Command3, "Command3"}, {Label12, "Label12"},
        {Label13, "Label13"},   {Label17, "Label17"},   {Label18, "Label18"},   {Label19, "Label19"},
        {Ausgabe, "Ausgabe"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

UCLimbra::~UCLimbra()
{
    if (m_options.closesOnDestroy)
        MMControl1.setCommand(QStringLiteral("Close"));
}

void UCLimbra::createBars()
{
    for (int n = 1; n <= Bars; ++n) {
        auto *bar = platform::designScrollBar(this, Qt::Vertical, QRect(2400 + column(n), 720, 255, 1335),
                                              LevelBars::design(m_options.barTops.at(std::size_t(n))));
        bar->setEnabled(false);
        bar->setChangeHandler([this, n] { VScroll_Change(n); });
        bar->setObjectName(QStringLiteral("VScroll%1").arg(n));
        m_VScroll[std::size_t(n)] = bar;

        QPushButton *ok = platform::designButton(this, QStringLiteral("OK"), LevelBars::okToolTip(n),
                                                 QRect(2280 + column(n), 2160, 375, 255));
        ok->setEnabled(false);
        ok->setObjectName(QStringLiteral("Cm%1").arg(n));
        connect(ok, &QPushButton::clicked, this, [this, n] { Cm_Click(n); });
        m_Cm[std::size_t(n)] = ok;

        QLabel *level = platform::designLabel(this, QString::fromUtf8(StartCaptions[n]),
                                              QRect(2280 + column(n), 360, 375, 255));
        platform::setLabelColors(level, QColor(0, 255, 0), Qt::black);
        level->setObjectName(QStringLiteral("Label%1").arg(n));
        m_Level[std::size_t(n)] = level;
    }
}

void UCLimbra::createChart()
{
    Ausgabe = new platform::PictureBox(this);
    platform::setTwipsGeometry(Ausgabe, 360, 240, 8415, 4335);
    // only the drawn threshold curve makes the picture stay
    Ausgabe->surface().setPersistent(false);
    // the "60" sits a little lower and further left than on the audiogram
    std::vector<LevelPlot::AxisCaption> captions(LevelPlot::LevelCaptions.begin(), LevelPlot::LevelCaptions.end());
    captions[7] = {"60", 75, 255, 375};
    const QList<QLabel *> labels = ChartCaptions::place(Ausgabe, captions);
    for (qsizetype k = 0; k < labels.size(); ++k)
        labels[k]->setObjectName(QStringLiteral("Label%1").arg(20 + k));
    Ausgabe->hide();
}

void UCLimbra::VScroll_Change(int n)
{
    m_sampleCount = ToneSampleCount;
    m_frequency = ToneFrequencies[std::size_t(n)];
    m_amplitude = m_options.level();
    m_normal = NormalThreshold[std::size_t(n)];
    FillStandardFormat(m_format);
    if (n == 1)
        Command6->hide();
    else
        Cm(n - 1)->setEnabled(false);
    // every bar, 1000 Hz too, names its frequency before the tone
    Label18->setText(frequencyText(n));
    const float L = float(VScroll(n)->value());

    const bool heard = TonePath::play(MMControl1, m_options.tone,
                                      TonePath::toneFile(m_format, m_sampleCount, [&](SampleChunks &chunks) {
                                          ModTon::MakeThresholdTone(m_amplitude, m_normal, L, m_frequency, chunks);
                                      }),
                                      m_hooks.playFile);
    // a tone that was not heard changes no record, and confirms nothing on a bar not yet heard
    if (!heard) {
        if (!m_heardSinceCurrent)
            Cm(n)->setEnabled(false);
        return;
    }
    if (!m_heardSinceCurrent) {
        m_heardSinceCurrent = true;
        Cm(n)->setEnabled(true);
    }
    const float level = float(VScroll(n)->value()) + m_normal;
    Level(n)->setText(platform::Convert::singleToText(level));
    platform::fitToText(Level(n));
    CurrentLevel[std::size_t(n)] = level;
}

void UCLimbra::makeCurrent(int n)
{
    VScroll(n)->setEnabled(true);
    Cm(n)->setEnabled(true);
    m_heardSinceCurrent = false;
    VScroll_Change(n);
}

void UCLimbra::showBars(bool shown)
{
    for (int k = 1; k <= Bars; ++k)
        VScroll(k)->setVisible(shown);
    for (int k = 1; k <= Bars; ++k)
        Cm(k)->setVisible(shown);
    PanelHooks::run(shown ? m_hooks.repeated : m_hooks.finished);
}

void UCLimbra::Cm_Click(int n)
{
    MeasuredThreshold[std::size_t(n)] = CurrentLevel[std::size_t(n)];
    if (n < Bars) {
        VScroll(n)->setEnabled(false);
        // buttons 1 to 7 are disabled by the next bar's handler
        if (n >= 8)
            Cm(n)->setEnabled(false);
        makeCurrent(n + 1);
        return;
    }
    VScroll(n)->setEnabled(false);
    Cm(n)->setEnabled(false);
    showBars(false);
    DrawThresholdCurve();
}

void UCLimbra::Command6_Click()
{
    Ausgabe->surface().clear();
    Command4->hide();
    Command3->hide();
    Ausgabe->hide();
    makeCurrent(1);
}

void UCLimbra::Command4_Click()
{
    Ausgabe->hide();
    Command6->show();
    showBars(true);
    Label18->setText(frequencyText(1));
}

void UCLimbra::Command3_Click()
{
    DrawNormalCurve();
}

void UCLimbra::chartHead(bool keepsDrawing)
{
    platform::DrawingSurface &surface = Ausgabe->surface();
    surface.setDrawWidth(1);
    if (keepsDrawing)
        surface.setPersistent(true);
    Ausgabe->show();
    Command3->show();
    Command6->hide();
    Command4->show();
}

void UCLimbra::DrawThresholdCurve()
{
    chartHead(true);
    MeasuredThreshold[0] = NormalThreshold[0];
    ThresholdChart::drawThresholdCurve(Ausgabe->surface(), MeasuredThreshold);
}

void UCLimbra::DrawNormalCurve()
{
    chartHead(false);
    ThresholdChart::drawNormalCurve(Ausgabe->surface());
}

} // namespace limbra
