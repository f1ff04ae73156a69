#include "frmMain.h"

#include "BeatEnvelope.h"
#include "RozurovevInfo.h"
#include "SchwebungSettings.h"
#include "modSchwebung.h"

#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

using demos::valueText;
using platform::designLabel;
using platform::designScrollBar;
using platform::setTwipsGeometry;
namespace Convert = platform::Convert;

namespace {

constexpr int ClientWidth = 8190;
constexpr int ClientHeight = 5655;
constexpr int TypedFrequencyLength = 4;
constexpr int StartFrequency = 500;

// A read-out the program writes: green on black, locked.
platform::TextBox *readOut(QWidget *area, QRect twips, const QString &text, const QString &toolTip)
{
    return demos::lockedReadOut(area, twips, text, demos::ReadOutGround::Black, toolTip);
}

} // namespace

namespace rozurovev {

frmMain::frmMain(QWidget *parent)
    : demos::DemoDeviceWindow(description(), programInfo(), parent)
{
    QWidget *area = demos::makeClientArea(*this, QStringLiteral("Rozurovev"), QSize(ClientWidth, ClientHeight),
                                          platform::DesignFace::Narrow);
    // the captions' places are made for a narrower font than this platform's usual one
    createControls(area);
    m_frame.buildMenus(*this);
    connectHandlers();
    Form_Load();
}

void frmMain::createControls(QWidget *area)
{
    Grafik1 = new platform::PictureBox(area);
    setTwipsGeometry(Grafik1, 360, 240, 7575, 2895);
    Grafik1->setToolTip(QStringLiteral("Darstellung der Einhüllenden"));
    Grafik1->setGroundColor(area->palette().color(QPalette::Base));
    Grafik1->surface().setPersistent(true);

    Label1 = designLabel(area, QStringLiteral("1. Frequenz in Hz"), QRect(360, 3480, 1335, 255));
    Text1 = new platform::TextBox(area);
    setTwipsGeometry(Text1, 1920, 3480, 495, 285);
    Text1->setToolTip(QStringLiteral("Eingabe der 1.Frequenz"));
    // a loaded "440,5" stays whole
    Text1->setTypingLimit(TypedFrequencyLength);

    Label4 = designLabel(area, QStringLiteral("resultierende Oszillationsfrequenz in Hz:"), QRect(4200, 3480, 2895, 255));
    // the beat's read-out takes typing, unlike the others
    Text4 = demos::designReadOut(area, QRect(7320, 3480, 615, 285), QStringLiteral("0"), demos::ReadOutGround::Black,
                                 QStringLiteral("Anzeige der Schwebungsfrequenz"));

    Label3 = designLabel(area, QStringLiteral("2. Frequenz in Hz"), QRect(360, 3960, 1335, 255));
    Text3 = readOut(area, QRect(1920, 3960, 495, 285), QString(), QStringLiteral("Anzeige der 2.Frequenz"));
    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(2520, 3960, 855, 255), {-20, 20, 1, 1, 0});

    Label2 = designLabel(area, QStringLiteral("Dauer in Sekunden"), QRect(360, 4440, 1455, 255));
    Text2 = readOut(area, QRect(1920, 4440, 495, 285), QStringLiteral("5"), QStringLiteral("Anzeige der Dauer des Hörbeispiels"));
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(2520, 4440, 855, 255), {1, 9, 1, 1, 5});

    Label5 = designLabel(area, QStringLiteral("Lautstärke"), QRect(360, 4920, 1335, 255));
    Text5 = readOut(area, QRect(1920, 4920, 495, 285), QStringLiteral("6"), QString());
    HScroll3 = designScrollBar(area, Qt::Horizontal, QRect(2520, 4920, 855, 255), {0, 10, 1, 2, 6});

    Command1 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command1, 4920, 4800, 1335, 375);
    Command2 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command2, 6600, 4800, 1335, 375);
    platform::setDefaultButton(*this, *Command1);
}

void frmMain::connectHandlers()
{
    Text1->setChangeHandler([this] { Text1_Change(); });
    Text3->setChangeHandler([this] { Text3_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll3->setChangeHandler([this] { HScroll3_Change(); });
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
}

std::optional<float> frmMain::firstFrequency() const
{
    try {
        return Convert::textToSingle(Text1->text());
    } catch (const platform::ConversionError &) {
        return std::nullopt;
    }
}

void frmMain::Form_Load()
{
    Text1->setText(valueText(StartFrequency));
    Text3->setText(Text1->text());
}

void frmMain::Text1_Change()
{
    if (Text1->text().isEmpty()) {
        Text1->setText(valueText(StartFrequency));
        Frequency1 = StartFrequency;
    }
    // while the text is no number, what follows from it stays as it was
    const std::optional<float> f1 = firstFrequency();
    if (!f1)
        return;
    DrawBeatEnvelope();
    Text3->setText(Convert::singleToText(*f1 + float(HScroll2->value())));
}

void frmMain::Text3_Change()
{
    const double frequency1 = Convert::textToDouble(Convert::singleToText(Frequency1));
    Text3->setText(Convert::doubleToText(frequency1 + HScroll2->value()));
}

void frmMain::HScroll2_Change()
{
    const std::optional<float> f1 = firstFrequency();
    if (!f1)
        return;
    Text3->setText(Convert::singleToText(*f1 + float(HScroll2->value())));
    DrawBeatEnvelope();
}

void frmMain::HScroll1_Change()
{
    Text2->setText(valueText(HScroll1->value()));
}

void frmMain::HScroll3_Change()
{
    Text5->setText(valueText(HScroll3->value()));
    DrawBeatEnvelope();
}

void frmMain::Command1_Click()
{
    m_frame.play();
}

void frmMain::Command2_Click()
{
    close();
}

void frmMain::DrawBeatEnvelope()
{
    const std::optional<float> f1 = firstFrequency();
    if (!f1)
        return;
    Frequency1 = *f1;
    Frequency2 = Frequency1 + float(HScroll2->value());
    const float D = std::abs(Frequency1 - Frequency2);
    rozurovev::DrawBeatEnvelope(Grafik1->surface(), D, HScroll3->value());
    Text4->setText(Convert::singleToText(D));
}

QString frmMain::refusal(Use) const
{
    if (firstFrequency())
        return QString();
    return Convert::notANumber(QStringLiteral("Die 1. Frequenz"), Text1->text());
}

void frmMain::makeSoundFile(const QString &path)
{
    const float L = float(HScroll3->value());
    const float f1 = Convert::textToSingle(Text1->text());
    const float f2 = float(Convert::textToDouble(Text1->text()) + HScroll2->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll1->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        modSchwebung::SynthesizeSchwebung(L, f1, f2, frameCount, chunks);
    });
}

QByteArray frmMain::settingsRecord() const
{
    return SchwebungSettings{Convert::textToSingle(Text1->text()), std::int16_t(HScroll2->value()),
                             std::int16_t(HScroll1->value()), std::int16_t(HScroll3->value())}
        .record();
}

void frmMain::applySettings(demos::SettingsReader &record)
{
    const SchwebungSettings settings = SchwebungSettings::read(record);
    // refused before any control has changed
    if (!std::isfinite(settings.frequency1))
        throw platform::ConversionError("Die 1. Frequenz ist keine endliche Zahl");
    Text1->setText(Convert::singleToText(settings.frequency1));
    HScroll2->setValue(settings.offset);
    HScroll1->setValue(settings.duration);
    HScroll3->setValue(settings.level);
}

} // namespace rozurovev
