#include "CSpektrum.h"

#include "SpektrumPlots.h"
#include "SpektrumSettings.h"
#include "VevuzevuInfo.h"

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

using demos::lockedReadOut;
using demos::ReadOutGround;
using demos::valueText;
using platform::designLabel;
using platform::designScrollBar;
using platform::setTwipsGeometry;

namespace {

// the extent of the controls (right of AZeit, bottom of Text7) and a margin of 120 twips
constexpr int ClientWidth = 10095;
constexpr int ClientHeight = 4845;
constexpr double CaptionPoints = 9.75;
constexpr int HarmonicLeft = 360;
constexpr int HarmonicSpacing = 480;

const char *const AmplitudeTips[4] = {
    "Amplitude der 1. Harmonischen (Grundfrequenz)",
    "Amplitude der 2. Harmonischen",
    "Amplitude der 3. Harmonischen",
    "Amplitude der 4. Harmonischen",
};
const char *const SpectrumCaptions[4] = {"f", "2f", "3f", "4f"};
const int SpectrumCaptionLefts[4] = {600, 1080, 1680, 2160};

} // namespace

namespace vevuzevu {

CSpektrum::CSpektrum(QWidget *parent)
    : demos::DemoDeviceWindow(description(), programInfo(), parent)
{
    createControls(demos::makeClientArea(*this, QStringLiteral("Vevuzevu"), QSize(ClientWidth, ClientHeight)));
    m_frame.buildMenus(*this);
    // design values are in place before any handler can see them
    connectHandlers();
    Form_Load();
}

void CSpektrum::createControls(QWidget *area)
{
    Frame1 = new QGroupBox(area);
    setTwipsGeometry(Frame1, 0, 240, 2535, 4335);
    Label3 = new QLabel(QStringLiteral("Amplituden der Spektralkomponenten"), Frame1);
    setTwipsGeometry(Label3, 120, 120, 2175, 615);
    Label3->setWordWrap(true);
    Label4 = designLabel(Frame1, QStringLiteral("  f        2 f      3 f      4 f  "), QRect(360, 3960, 2055, 255));

    for (int i = 0; i < 4; ++i) {
        const int left = HarmonicLeft + HarmonicSpacing * i;
        VScroll1[std::size_t(i)] = designScrollBar(area, Qt::Vertical, QRect(left, 1200, 255, 2895), {100, 0, 1, 1, 0});
        Text1[std::size_t(i)] = lockedReadOut(area, QRect(left, 840, 375, 285), QStringLiteral("0"),
                                              ReadOutGround::DarkGrey, QString::fromUtf8(AmplitudeTips[i]));
    }

    Label1 = designLabel(area, QStringLiteral("Frequenzspektrum"), QRect(3120, 120, 1695, 255));
    platform::useFont(*Label1, CaptionPoints);
    platform::fitToText(Label1);
    ASpektrum = new platform::PictureBox(area);
    setTwipsGeometry(ASpektrum, 2880, 480, 3495, 3255);
    ASpektrum->setToolTip(QStringLiteral("Darstellung des eingestellten Frequenzspektrums"));
    for (int i = 0; i < 4; ++i) {
        QLabel *label = platform::designBoxLabel(ASpektrum, QString::fromLatin1(SpectrumCaptions[i]),
                                                 QRect(SpectrumCaptionLefts[i], 1800, 255, 255), CaptionPoints);
        platform::setLabelGround(label, Qt::white);
        Label7to10[std::size_t(i)] = label;
    }

    Label2 = designLabel(area, QStringLiteral("Zeitfunktion"), QRect(6600, 120, 1095, 255));
    platform::useFont(*Label2, CaptionPoints);
    platform::fitToText(Label2);
    AZeit = new platform::PictureBox(area);
    setTwipsGeometry(AZeit, 6480, 480, 3495, 3255);
    AZeit->setToolTip(
        QStringLiteral("Darstellung der einzelnen Teilschwingungen und der resultierenden Zeitfunktion (rot)"));

    Label5 = designLabel(area, QStringLiteral("Grundfrequenz f in Hz:"), QRect(2880, 3960, 1695, 255));
    // its colon stays clear of the slider close behind it
    platform::shrinkFontToWidth(Label5, platform::twipsToPixels(1695));
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(4680, 3960, 855, 255), {50, 1000, 10, 100, 200});
    Text6 = lockedReadOut(area, QRect(5760, 3960, 495, 285), QStringLiteral("200"), ReadOutGround::DarkGrey,
                          QStringLiteral("Anzeige der gewählten Grundfrequenz (1.Harmonische)"));

    Label6 = designLabel(area, QStringLiteral("Dauer in sec.:"), QRect(2880, 4440, 1095, 255));
    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(4680, 4440, 855, 255), {1, 10, 1, 2, 3});
    Text7 = lockedReadOut(area, QRect(5760, 4440, 495, 285), QStringLiteral("3"), ReadOutGround::DarkGrey,
                          QStringLiteral("Anzeige der gewählten Dauer des Hörbeispiels"));

    Command1 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command1, 6600, 4320, 1575, 375);
    Command1->setToolTip(QStringLiteral("WAV-Datei erstellen"));
    Command2 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command2, 8400, 4320, 1575, 375);
}

void CSpektrum::connectHandlers()
{
    for (int i = 0; i < 4; ++i)
        VScroll1[std::size_t(i)]->setChangeHandler([this, i] { VScroll1_Change(i); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    connect(Command1, &QPushButton::clicked, this, &CSpektrum::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CSpektrum::Command2_Click);
}

void CSpektrum::Form_Load()
{
    DrawTimeFunctions();
    DrawSpectrumLines();
}

void CSpektrum::VScroll1_Change(int Index)
{
    const int value = VScroll1[std::size_t(Index)]->value();
    Text1[std::size_t(Index)]->setText(valueText(value));
    Amplitudes[std::size_t(Index)] = std::int16_t(value);
    DrawTimeFunctions();
    DrawSpectrumLines();
}

void CSpektrum::HScroll1_Change()
{
    // the plots show one period whatever the frequency
    Text6->setText(valueText(HScroll1->value()));
}

void CSpektrum::HScroll2_Change()
{
    Text7->setText(valueText(HScroll2->value()));
}

void CSpektrum::Command1_Click()
{
    m_frame.play();
}

void CSpektrum::Command2_Click()
{
    close();
}

void CSpektrum::DrawTimeFunctions()
{
    for (QLabel *label : Label7to10)
        label->show();
    vevuzevu::DrawTimeFunctions(AZeit->surface(), Amplitudes);
}

void CSpektrum::DrawSpectrumLines()
{
    vevuzevu::DrawSpectrumLines(ASpektrum->surface(), Amplitudes);
}

void CSpektrum::makeSoundFile(const QString &path)
{
    const float frequency = float(HScroll1->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll2->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        ModSpektrum::SynthesizeSpektrum(frequency, Amplitudes, frameCount, chunks);
    });
}

QByteArray CSpektrum::settingsRecord() const
{
    SpektrumSettings settings;
    for (std::size_t i = 0; i < 4; ++i)
        settings.amplitudes[i] = std::int16_t(VScroll1[i]->value());
    settings.frequency = std::int16_t(HScroll1->value());
    settings.duration = std::int16_t(HScroll2->value());
    return settings.record();
}

void CSpektrum::applySettings(demos::SettingsReader &record)
{
    const SpektrumSettings settings = SpektrumSettings::read(record);
    for (std::size_t i = 0; i < 4; ++i)
        VScroll1[i]->setValue(settings.amplitudes[i]);
    HScroll1->setValue(settings.frequency);
    HScroll2->setValue(settings.duration);
}

} // namespace vevuzevu
