#include "Form1.h"

#include "FMCurves.h"
#include "ModFreq.h"
#include "ZanterInfo.h"

#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using demos::ReadOutGround;
using demos::styleReadOut;
using demos::valueText;
using platform::boxLabel;
using platform::designLabel;
using platform::designScrollBar;
using platform::setTwipsGeometry;

namespace {

constexpr int ClientWidth = 9900;
constexpr int ClientHeight = 5625;
const QColor ValueRed(255, 0, 0);

QLabel *readOut(QWidget *parent, const QString &caption, QRect twips)
{
    QLabel *label = designLabel(parent, caption, twips, platform::LabelWidth::Clipped);
    styleReadOut(*label, ReadOutGround::Black);
    return label;
}

// A label of the sentence: on the white of its box, hidden until the first drawing.
QLabel *sentenceLabel(platform::PictureBox *box, const QString &caption, QRect twips, QColor text = Qt::black)
{
    QLabel *label = boxLabel(box, caption, twips);
    platform::setLabelColors(label, text, Qt::white);
    label->hide();
    return label;
}

} // namespace

namespace zanter {

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
    , m_frame(description(), programInfo(), *this)
{
    // the narrow face keeps the sentence's captions side by side as laid out
    createControls(demos::makeClientArea(*this, QStringLiteral("Frequenzmodulation"), QSize(ClientWidth, ClientHeight),
                                         platform::DesignFace::Narrow));
    m_frame.buildMenus(*this);
    // design values are in place before any handler can see them
    connectHandlers();
    Form_Load();
}

void Form1::createControls(QWidget *area)
{
    Frame1 = new QGroupBox(QStringLiteral("Grundschwingung"), area);
    setTwipsGeometry(Frame1, 240, 240, 1575, 3015);
    Label10 = designLabel(Frame1, QStringLiteral("fg [Hz]"), QRect(600, 2400, 375, 495), platform::LabelWidth::Wraps);
    LBL3 = readOut(Frame1, QStringLiteral("500"), QRect(480, 360, 495, 255));

    Frame2 = new QGroupBox(QStringLiteral("mod.Schwingung"), area);
    setTwipsGeometry(Frame2, 1920, 240, 1455, 3015);
    Label5 = designLabel(Frame2, QStringLiteral("Amod"), QRect(120, 2400, 615, 375), platform::LabelWidth::Wraps);
    Label3 = designLabel(Frame2, QStringLiteral("fmod [Hz]"), QRect(840, 2400, 495, 495), platform::LabelWidth::Wraps);
    LBL2 = readOut(Frame2, QString(), QRect(120, 360, 495, 255));
    LBL4 = readOut(Frame2, QStringLiteral("1"), QRect(840, 360, 375, 255));

    // over the frames, larger values at the top
    VScroll3 = designScrollBar(area, Qt::Vertical, QRect(840, 960, 255, 1575), {1000, 400, 10, 50, 500});
    VScroll2 = designScrollBar(area, Qt::Vertical, QRect(2040, 960, 255, 1575), {10, 1, 1, 2, 5});
    VScroll4 = designScrollBar(area, Qt::Vertical, QRect(2760, 960, 255, 1575), {20, 1, 1, 1, 1});

    Label11 = designLabel(area, QStringLiteral("Lautstärke"), QRect(360, 4320, 855, 255));
    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(1560, 4320, 735, 255), {1, 10, 1, 1, 5});
    LBL1 = readOut(area, QStringLiteral("5"), QRect(2400, 4320, 375, 255));
    Label8 = designLabel(area, QStringLiteral("Dauer in sec.:"), QRect(360, 4800, 1095, 255));
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(1560, 4800, 735, 255), {1, 10, 1, 1, 3});
    LBL5 = readOut(area, QStringLiteral("3"), QRect(2400, 4800, 375, 255));

    Label4 = designLabel(area, QStringLiteral("Darstellung des Schwingungsverlaufs für eine Periode der modulierenden Schwingung"),
                         QRect(3480, 240, 6135, 255));
    Ausgabe = new platform::PictureBox(area);
    setTwipsGeometry(Ausgabe, 3480, 600, 6015, 2655);
    Ausgabe->setToolTip(QStringLiteral("Darstellung des Zusammenhangs zwischen dem Verlauf der der modulierenden "
                                       "Schwingung (rot) und der Grundschwingung (blau)"));
    Ausgabe1 = new platform::PictureBox(area);
    setTwipsGeometry(Ausgabe1, 3480, 3360, 6015, 1695);
    Ausgabe1->hide();
    createSentence();

    Command2 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command2, 6000, 5160, 1575, 375);
    Command2->setToolTip(QStringLiteral("Soundbeispiel abspielen"));
    Command1 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command1, 7920, 5160, 1575, 375);
}

void Form1::createSentence()
{
    platform::PictureBox *box = Ausgabe1;
    Label6 = sentenceLabel(box, QStringLiteral("Die  Amplitude der modulierenden Schwingung verusacht eine maximale"),
                           QRect(120, 120, 5895, 255));
    Label7 = sentenceLabel(box, QStringLiteral("Frequenzänderung von  "), QRect(120, 360, 1695, 255));
    // the formula's Δ in the sentence's own font: "Symbol" names a font of symbol encoding on
    // many systems, which has no glyph for a Unicode Δ and would leave the place blank; the
    // label shows no more than its width holds
    Label9 = boxLabel(box, QStringLiteral("Δ"), QRect(1800, 360, 135, 255), platform::LabelWidth::Clipped);
    platform::setLabelColors(Label9, Qt::black, Qt::white);
    Label9->hide();
    Label12 = sentenceLabel(box, QStringLiteral("f = Amod *fg  ="), QRect(1920, 360, 1215, 255));
    LBL13 = sentenceLabel(box, QString(), QRect(3120, 360, 615, 255), ValueRed);
    Label16 = sentenceLabel(box, QStringLiteral("Hz"), QRect(3960, 360, 255, 255));
    Label14 = sentenceLabel(box, QStringLiteral("Die Modulationsfrequenz fmod ="), QRect(120, 720, 2415, 255));
    LBL15 = sentenceLabel(box, QStringLiteral("1"), QRect(2640, 720, 495, 255), ValueRed);
    Label17 = sentenceLabel(box, QStringLiteral(" [Hz], bestimmt die Anzahl der "), QRect(3120, 720, 2895, 255));
    Label18 = sentenceLabel(box, QStringLiteral("der periodischen Frequenzänderungen pro Sekunde um die Grundtonhöhe der"),
                            QRect(120, 960, 5775, 255));
    Label13 = sentenceLabel(box, QStringLiteral("Frequenz fg ="), QRect(120, 1200, 1095, 255));
    LBL16 = sentenceLabel(box, QStringLiteral("500"), QRect(1200, 1200, 495, 255), ValueRed);
    Label15 = sentenceLabel(box, QStringLiteral("Hz"), QRect(1800, 1200, 255, 255));
}

std::array<QLabel *, 13> Form1::sentence() const
{
    return {Label6, Label7, Label9, Label12, LBL13, Label16, Label14, LBL15, Label17, Label18, Label13, LBL16, Label15};
}

void Form1::connectHandlers()
{
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    VScroll2->setChangeHandler([this] { VScroll2_Change(); });
    VScroll3->setChangeHandler([this] { VScroll3_Change(); });
    VScroll4->setChangeHandler([this] { VScroll4_Change(); });
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

QString Form1::deviationText() const
{
    return platform::Convert::format(VScroll2->value() / double(DepthSteps) * VScroll3->value(), QStringLiteral("0.00"));
}

void Form1::Form_Load()
{
    DrawFMCurves();
    LBL2->setText(valueText(VScroll2->value() / double(DepthSteps)));
    LBL13->setText(deviationText());
}

void Form1::Command1_Click()
{
    close();
}

void Form1::Command2_Click()
{
    m_frame.play();
}

void Form1::HScroll1_Change()
{
    LBL5->setText(valueText(HScroll1->value()));
}

void Form1::HScroll2_Change()
{
    LBL1->setText(valueText(HScroll2->value()));
}

void Form1::VScroll2_Change()
{
    DrawFMCurves();
    LBL13->setText(deviationText());
    LBL2->setText(valueText(VScroll2->value() / double(DepthSteps)));
}

void Form1::VScroll3_Change()
{
    DrawFMCurves();
    LBL3->setText(valueText(VScroll3->value()));
    LBL16->setText(valueText(VScroll3->value()));
    LBL13->setText(deviationText());
}

void Form1::VScroll4_Change()
{
    DrawFMCurves();
    LBL4->setText(valueText(VScroll4->value()));
    LBL15->setText(valueText(VScroll4->value()));
}

void Form1::DrawFMCurves()
{
    zanter::DrawFMCurves(Ausgabe->surface(), VScroll2->value());
    Ausgabe1->show();
    for (QLabel *label : sentence())
        label->show();
}

void Form1::makeSoundFile(const QString &path)
{
    const float L = float(HScroll2->value());
    const float fg = float(VScroll3->value());
    const float A = float(VScroll2->value());
    const float fmod = float(VScroll4->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll1->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        ModFreq::SynthesizeFM(L, fg, A, fmod, frameCount, chunks);
    });
}

QByteArray Form1::settingsRecord() const
{
    return FMSettings::of(sliders()).record();
}

void Form1::applySettings(demos::SettingsReader &record)
{
    FMSettings::read(record).applyTo(sliders());
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_frame.unload();
    QMainWindow::closeEvent(event);
}

} // namespace zanter
