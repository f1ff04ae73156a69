#include "Eingabe.h"

#include "Envelope.h"
#include "KolivaInfo.h"
#include "ModAmp.h"

#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using demos::valueText;
using platform::designLabel;
using platform::designScrollBar;
using platform::LabelWidth;
using platform::setTwipsGeometry;

namespace {

constexpr int ClientWidth = 10425;
constexpr int ClientHeight = 5370;

platform::TextBox *readOut(QWidget *parent, const QString &text, const QString &tip, QRect twips)
{
    return demos::lockedReadOut(parent, twips, text, demos::ReadOutGround::Black, tip);
}

} // namespace

namespace koliva {

Eingabe::Eingabe(QWidget *parent)
    : demos::DemoDeviceWindow(description(), programInfo(), parent)
{
    // the narrow face keeps the frames' captions apart as laid out
    createControls(demos::makeClientArea(*this, QStringLiteral("Amplitudenmodulation"), QSize(ClientWidth, ClientHeight),
                                         platform::DesignFace::Narrow));
    m_frame.buildMenus(*this);
    platform::setDefaultButton(*this, *Command1);
    // design values are in place before any handler can see them
    connectHandlers();
    Form_Load();
}

void Eingabe::createControls(QWidget *area)
{
    Frame1 = new QGroupBox(QStringLiteral("Grundschwingung"), area);
    setTwipsGeometry(Frame1, 240, 360, 1575, 3135);
    Label1 = designLabel(Frame1, QStringLiteral("Frequenz in Hz"), QRect(360, 2640, 735, 375), LabelWidth::Wraps);
    Frame2 = new QGroupBox(QStringLiteral("modulierende Schwingung"), area);
    setTwipsGeometry(Frame2, 2160, 360, 2295, 3135);
    Label4 = designLabel(Frame2, QStringLiteral("Amplitude"), QRect(360, 2640, 735, 255));
    Label5 = designLabel(Frame2, QStringLiteral("Frequenz in Hz"), QRect(1200, 2640, 855, 375), LabelWidth::Wraps);
    Frame3 = new QGroupBox(area);
    setTwipsGeometry(Frame3, 240, 3840, 4215, 1335);
    Label2 = designLabel(Frame3, QStringLiteral("Lautstärke"), QRect(360, 360, 975, 255));
    Label3 = designLabel(Frame3, QStringLiteral("Dauer in sec."), QRect(360, 720, 1095, 255));

    // over the frames, larger values at the top
    VScroll3 = designScrollBar(area, Qt::Vertical, QRect(840, 1200, 255, 1575), {1000, 100, 10, 50, 500});
    VScroll2 = designScrollBar(area, Qt::Vertical, QRect(2760, 1200, 255, 1575), {10, 0, 1, 2, 0});
    VScroll4 = designScrollBar(area, Qt::Vertical, QRect(3600, 1200, 255, 1575), {10, 0, 1, 1, 0});
    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(1680, 4080, 855, 255), {1, 10, 1, 1, 5});
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(1680, 4560, 855, 255), {1, 10, 1, 1, 3});

    Text3 = readOut(area, QStringLiteral("500"), QStringLiteral("Anzeige der Grundfrequenz"), QRect(720, 720, 495, 285));
    Text2 = readOut(area, QStringLiteral("0"), QStringLiteral("Amplitude der modulierenden Schwingung ( 0-10)"),
                    QRect(2640, 720, 495, 285));
    Text4 = readOut(area, QStringLiteral("0"), QStringLiteral("Modulationsfrequenz (0-10 Hz)"), QRect(3480, 720, 495, 285));
    Text1 = readOut(area, QStringLiteral("5"), QStringLiteral("Gesamtlautstärke"), QRect(2760, 4080, 495, 285));
    Text5 = readOut(area, QStringLiteral("3"), QStringLiteral("Dauer des Hörbeispiels"), QRect(2760, 4560, 495, 285));

    Label7 = designLabel(area, QStringLiteral("Darstellung des Schwingungsverlaufs"), QRect(4800, 120, 3615, 255));
    Ausgabe = new platform::PictureBox(area);
    setTwipsGeometry(Ausgabe, 4680, 480, 5535, 4095);
    Ausgabe->setToolTip(QStringLiteral("Darstellung der Einhüllenden "));

    Command2 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command2, 6720, 4800, 1575, 375);
    Command2->setToolTip(QStringLiteral("Hörbeispiel abspielen"));
    Command1 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command1, 8640, 4800, 1575, 375);
}

void Eingabe::connectHandlers()
{
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    VScroll2->setChangeHandler([this] { VScroll2_Change(); });
    VScroll3->setChangeHandler([this] { VScroll3_Change(); });
    VScroll4->setChangeHandler([this] { VScroll4_Change(); });
    connect(Command1, &QPushButton::clicked, this, &Eingabe::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Eingabe::Command2_Click);
}

void Eingabe::Form_Load()
{
    DrawEnvelope();
}

void Eingabe::Command1_Click()
{
    close();
}

void Eingabe::Command2_Click()
{
    m_frame.play();
}

void Eingabe::HScroll1_Change()
{
    Text5->setText(valueText(HScroll1->value()));
}

void Eingabe::HScroll2_Change()
{
    Text1->setText(valueText(HScroll2->value()));
}

void Eingabe::VScroll2_Change()
{
    Text2->setText(valueText(VScroll2->value()));
    DrawEnvelope();
}

void Eingabe::VScroll3_Change()
{
    Text3->setText(valueText(VScroll3->value()));
    DrawEnvelope();
}

void Eingabe::VScroll4_Change()
{
    Text4->setText(valueText(VScroll4->value()));
    DrawEnvelope();
}

void Eingabe::DrawEnvelope()
{
    koliva::DrawEnvelope(Ausgabe->surface(), VScroll2->value(), VScroll4->value());
}

void Eingabe::makeSoundFile(const QString &path)
{
    const float L = float(HScroll2->value());
    const float M = float(VScroll2->value());
    const float fc = float(VScroll3->value());
    const float fmod = float(VScroll4->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll1->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        ModAmp::SynthesizeAM(L, M, fc, fmod, frameCount, chunks);
    });
}

QByteArray Eingabe::settingsRecord() const
{
    return AMSettings::of(sliders()).record();
}

void Eingabe::applySettings(demos::SettingsReader &record)
{
    AMSettings::read(record).applyTo(sliders());
}

} // namespace koliva
