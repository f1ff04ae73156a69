#include "UCVarnik.h"

#include "ModFrequenztest.h"
#include "audiometry/ChartCaptions.h"
#include "audiometry/LevelBars.h"
#include "common/SampleChunks.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace varnik {

using platform::setTwipsGeometry;

namespace {

QLabel *label(const QString &text, QWidget *parent, int left, int top, int width, int height = 255)
{
    return platform::designLabel(parent, text, QRect(left, top, width, height));
}

QPushButton *button(const QString &caption, const QString &tip, QWidget *parent, int left, int top, int width, int height)
{
    return platform::designButton(parent, caption, tip, QRect(left, top, width, height));
}

QString frequencyText(int i)
{
    return platform::Convert::singleToText(UCVarnik::SliderTable[std::size_t(i - 1)].frequency);
}

} // namespace

UCVarnik::UCVarnik(Options options, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
{
    resize(platform::twipsRect(0, 0, DesignWidth, DesignHeight).size());
    platform::useDesignFont(*this);

    Command6 = button(QStringLiteral("Test starten"), QStringLiteral("Zezevav starten"), this, 3533, 2002, 2055, 1200);
    Label17 = label(QStringLiteral("aktuelle Grundfrequenz:"), this, 240, 1440, 1815);
    Label18 = label(QStringLiteral("50"), this, 2280, 1440, 735);
    platform::setLabelColors(Label18, QColor(255, 0, 0), Qt::white);
    Label19 = label(QStringLiteral("Hz"), this, 3240, 1440, 375);
    Label13 = label(QStringLiteral("Wert Bestätigen"), this, 1560, 2520, 1335);
    Command3 = button(QStringLiteral("Normalkurve"), QStringLiteral("Ausgabe der idealen Ruhehörschwelle"), this, 240, 4680,
                      1815, 375);
    Command5 = button(QStringLiteral("Ausgabe Werte"), QString(), this, 2400, 4680, 1575, 375);
    Command4 = button(QStringLiteral("Test wiederholen"), QStringLiteral("Start eines neuen Testdurchlaufs"), this, 4320,
                      4680, 1455, 375);
    for (QWidget *w : std::initializer_list<QWidget *>{Label17, Label18, Label19, Label13, Command3, Command5, Command4})
        w->hide();
    createSliders();

    // created last so that it lies over the test controls
    Ausgabe = new platform::PictureBox(this);
    setTwipsGeometry(Ausgabe, 240, 120, 8415, 4335);
    Ausgabe->setToolTip(QStringLiteral("Anzeige der resultierenden Kurve"));
    Ausgabe->surface().setPersistent(false);
    ChartCaptions::place(Ausgabe, DifferenceChart::Captions);
    createTable();
    Ausgabe->hide();

    const std::pair<QWidget *, const char *> names[] = {
        {Command6, "Command6"}, {Command3, "Command3"}, {Command5, "Command5"}, {Command4, "Command4"},
        {Label13, "Label13"},   {Label17, "Label17"},   {Label18, "Label18"},   {Label19, "Label19"},
        {Ausgabe, "Ausgabe"},   {Ausgabe2, "Ausgabe2"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void UCVarnik::createSliders()
{
    for (int i = 1; i <= Sliders; ++i) {
        const Slider &s = SliderTable[std::size_t(i - 1)];
        // only the current slider and its button are ever shown, on the places of the first ones
        const QRect place = i == 1 ? QRect(4080, 720, 375, 2175) : QRect(4080 + 120 * i, 0, 120, 120);
        auto *bar = platform::designScrollBar(this, Qt::Vertical, place,
                                              {s.min, s.max, s.smallChange, s.largeChange, s.value});
        bar->hide();
        bar->setEnabled(false);
        bar->setChangeHandler([this, i] { VScroll_Change(i); });
        bar->setObjectName(QStringLiteral("VScroll%1").arg(i));
        m_VScroll[std::size_t(i)] = bar;

        const QString tip = LevelBars::okToolTip(i);
        QPushButton *ok = i == 1 ? button(QStringLiteral("OK"), tip, this, 3240, 2400, 615, 495)
                                 : button(QStringLiteral("OK"), tip, this, 3240 + 120 * i, 0, 120, 120);
        ok->setObjectName(QStringLiteral("Cm%1").arg(i));
        ok->hide();
        ok->setEnabled(false);
        connect(ok, &QPushButton::clicked, this, [this, i] { Cm_Click(i); });
        m_Cm[std::size_t(i)] = ok;
    }
}

void UCVarnik::createTable()
{
    auto *table = new QFrame(Ausgabe);
    table->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    table->setLineWidth(2);
    table->setAutoFillBackground(true);
    setTwipsGeometry(table, 0, 0, 2535, 3375);
    table->setToolTip(QStringLiteral("Anzeige der hörbaren Frequenzunterschiede Links: Mittelwerte, Rechts: Ihre Werte"));
    Ausgabe2 = table;

    label(QStringLiteral("f"), table, 120, 120, 255);
    label(QStringLiteral("Mittelwert"), table, 600, 120, 735);
    label(QStringLiteral("gem. Wert"), table, 1560, 120, 855);
    for (int i = 1; i <= Sliders; ++i) {
        const int top = 480 + 360 * (i - 1);
        const QString row(QChar(u'a' + (i - 1)));
        label(frequencyText(i), table, 0, top, 375);
        QLabel *mean = label(platform::Convert::singleToText(DifferenceChart::MeanValues[std::size_t(i - 1)]), table,
                             600, top, 495);
        platform::setLabelColors(mean, QColor(255, 0, 0), Qt::white);
        mean->setObjectName(QStringLiteral("Lb1") + row);
        m_Lb1[std::size_t(i)] = mean;
        QLabel *measured = label(QStringLiteral("0"), table, 1560, top, 495);
        platform::setLabelColors(measured, i == 3 ? QColor(0, 0, 128) : QColor(0, 0, 192), Qt::white);
        measured->setObjectName(QStringLiteral("Lb2") + row);
        m_Lb2[std::size_t(i)] = measured;
    }
    table->hide();
}

float UCVarnik::deltaF(int i, int value)
{
    return float(double(value) / 10.0 + double(SliderTable[std::size_t(i - 1)].offset));
}

void UCVarnik::Command6_Click()
{
    // the drawing and the kept image alike
    Ausgabe->surface().clear();
    Command6->hide();
    VScroll(1)->show();
    VScroll(1)->setEnabled(true);
    Cm(1)->show();
    Cm(1)->setEnabled(true);
    for (QLabel *l : {Label13, Label18, Label19, Label17})
        l->show();
}

void UCVarnik::VScroll_Change(int i)
{
    if (i == 1)
        Command6->hide();
    const Slider &slider = SliderTable[std::size_t(i - 1)];
    Offset = slider.offset;
    DeltaF[std::size_t(i)] = deltaF(i, VScroll(i)->value());
    Freq = slider.frequency;
    NumFrames = ToneFrames;
    Level = m_options.level();
    FillStandardFormat(m_format);
    const float swing = DeltaF[std::size_t(i)];

    const bool heard = TonePath::play(MMControl1, m_options.tone,
                                      TonePath::toneFile(m_format, NumFrames, [&](SampleChunks &chunks) {
                                          ModFrequenztest::GenerateFmTone(Level, Freq, swing, NumFrames, chunks);
                                      }));
    if (heard && i == 1 && m_options.closesAfterFirstSlider)
        MMControl1.setCommand(QStringLiteral("Close"));
}

void UCVarnik::Cm_Click(int i)
{
    // what the slider shows, also when it has not played yet
    Result[std::size_t(i - 1)] = deltaF(i, VScroll(i)->value());
    if (i < Sliders)
        Label18->setText(frequencyText(i + 1));
    Lb2(i)->setText(platform::Convert::singleToText(Result[std::size_t(i - 1)]));
    platform::ScrollBar *bar = VScroll(i);
    bar->setEnabled(false);
    bar->hide();
    Cm(i)->setEnabled(false);
    Cm(i)->hide();
    if (i == Sliders) {
        DrawMeasuredCurve();
        return;
    }
    platform::ScrollBar *next = VScroll(i + 1);
    next->setGeometry(VScroll(1)->geometry());
    Cm(i + 1)->setGeometry(Cm(1)->geometry());
    next->show();
    next->setEnabled(true);
    Cm(i + 1)->show();
    Cm(i + 1)->setEnabled(true);
}

void UCVarnik::Command3_Click()
{
    DrawMeanCurve();
}

void UCVarnik::Command5_Click()
{
    Ausgabe2->show();
}

void UCVarnik::Command4_Click()
{
    Ausgabe->hide();
    Ausgabe2->hide();
    Command6->show();
    Label17->hide();
    Label18->hide();
    Label18->setText(frequencyText(1));
    Label19->hide();
    Command4->hide();
    Command3->hide();
    Command5->hide();
}

void UCVarnik::DrawMeasuredCurve()
{
    platform::DrawingSurface &chart = Ausgabe->surface();
    chart.setDrawWidth(1);
    chart.setPersistent(true);
    Ausgabe->show();
    Command3->show();
    Command5->show();
    Command6->hide();
    Command4->show();
    DifferenceChart::drawMeasuredCurve(chart, Result);
}

void UCVarnik::DrawMeanCurve()
{
    Ausgabe->surface().setDrawWidth(1);
    Ausgabe->show();
    Command3->show();
    Command6->hide();
    Command4->show();
    DifferenceChart::drawMeanCurve(Ausgabe->surface());
}

} // namespace varnik
