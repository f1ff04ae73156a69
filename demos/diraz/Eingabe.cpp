#include "Eingabe.h"

#include "DirazInfo.h"
#include "SineCurve.h"
#include "SineSettings.h"
#include "modSine.h"

#include "platform/DesignControls.h"
#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/Convert.h"
#include "platform/PictureBox.h"
#include "platform/PropertyError.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using platform::designLabel;
using platform::designScrollBar;
using demos::ReadOutGround;
using demos::designReadOut;
using demos::lockedReadOut;
using demos::valueText;
using platform::setTwipsGeometry;

namespace {

constexpr int ClientWidth = 7590;
constexpr int ClientHeight = 4950;
constexpr double AxisLabelPoints = 9.75;

} // namespace

namespace diraz {

Eingabe::Eingabe(QWidget *parent)
    : demos::DemoDeviceWindow(description(), programInfo(), parent)
{
    createControls(demos::makeClientArea(*this, QStringLiteral("Sinusschwingung"), QSize(ClientWidth, ClientHeight)));
    m_frame.buildMenus(*this);
    // design values are in place before any handler can see them
    connectHandlers();
    Form_Load();
}

void Eingabe::createControls(QWidget *area)
{
    Frame1 = new QGroupBox(area);
    setTwipsGeometry(Frame1, 120, 120, 7335, 4095);
    // the frame's own labels, placed in the frame's coordinates
    Label1 = designLabel(Frame1, QStringLiteral("Amplitude"), QRect(360 - 120, 240 - 120, 735, 255));
    Label2 = designLabel(Frame1, QStringLiteral("Frequenz [Hz]"), QRect(1800 - 120, 3840 - 120, 1095, 255));

    Text2 = lockedReadOut(area, QRect(1320, 240, 255, 285), QStringLiteral("0"), ReadOutGround::DarkGrey);

    VScroll1 = designScrollBar(area, Qt::Vertical, QRect(1320, 480, 255, 2895), {9, 0, 1, 2, 5});

    Ausgabe = new platform::PictureBox(area);
    setTwipsGeometry(Ausgabe, 1680, 240, 5415, 3135);
    Label4 = platform::designBoxLabel(Ausgabe, QStringLiteral("A"), QRect(240, 120, 255, 255), AxisLabelPoints);
    Label3 = platform::designBoxLabel(Ausgabe, QStringLiteral("t"), QRect(4920, 1320, 135, 255), AxisLabelPoints);

    // the arrows step by 10 Hz, a click beside the thumb by 5 Hz
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(1800, 3480, 4695, 255), {0, 20000, 10, 5, 500});

    Text1 = designReadOut(area, QRect(6480, 3480, 615, 285), QStringLiteral("0"), ReadOutGround::DarkGrey);

    Label6 = designLabel(area, QStringLiteral("Hz"), QRect(7200, 3480, 255, 255));
    Label5 = designLabel(area, QStringLiteral("Dauer in Sekunden"), QRect(1800, 4320, 1455, 255));

    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(1800, 4560, 1095, 255), {1, 9, 1, 1, 5});

    Text3 = lockedReadOut(area, QRect(2880, 4560, 375, 285), QStringLiteral("5"), ReadOutGround::Black,
                          QStringLiteral("Anzeige der Dauer des Hörbeispiels"));

    Command1 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command1, 4800, 4440, 1215, 375);
    Command2 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command2, 6240, 4440, 1215, 375);
}

void Eingabe::connectHandlers()
{
    VScroll1->setChangeHandler([this] { VScroll1_Change(); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    Text1->setChangeHandler([this] { Text1_Change(); });
    Text1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Eingabe::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Eingabe::Command2_Click);
}

void Eingabe::Form_Load()
{
    Text2->setText(valueText(VScroll1->value()));
    Text1->setText(valueText(HScroll1->value()));
}

void Eingabe::VScroll1_Change()
{
    Text2->setText(valueText(VScroll1->value()));
    DrawSineCurve();
}

void Eingabe::HScroll1_Change()
{
    showValuesInForce();
    DrawSineCurve();
}

void Eingabe::HScroll2_Change()
{
    Text3->setText(valueText(HScroll2->value()));
}

void Eingabe::Text1_Change()
{
    if (Text1->text().isEmpty())
        Text1->setText(QStringLiteral("0"));
    // text that is no whole number from 0 to 20000 leaves slider and plot as they are
    try {
        HScroll1->setValue(platform::Convert::textToInteger(Text1->text()));
    } catch (const platform::ConversionError &) {
    } catch (const platform::PropertyError &) {
    }
}

void Eingabe::Command1_Click()
{
    m_frame.play();
}

void Eingabe::Command2_Click()
{
    close();
}

void Eingabe::DrawSineCurve()
{
    ::DrawSineCurve(Ausgabe->surface(), VScroll1->value(), HScroll1->value());
    Label3->show();
    Label4->show();
}

void Eingabe::makeSoundFile(const QString &path)
{
    const float A = float(VScroll1->value());
    const float f = float(HScroll1->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll2->value(),
                          [&](std::int32_t frameCount, SampleChunks &chunks) {
                              modSine::MakeSineTone(A, f, frameCount, chunks);
                          });
}

QByteArray Eingabe::settingsRecord() const
{
    return SineSettings{std::int16_t(VScroll1->value()), std::int16_t(HScroll1->value()),
                        std::int16_t(HScroll2->value())}
        .record();
}

void Eingabe::applySettings(demos::SettingsReader &record)
{
    const SineSettings settings = SineSettings::read(record);
    VScroll1->setValue(settings.amplitudeStep);
    HScroll1->setValue(settings.frequency);
    HScroll2->setValue(settings.duration);
}

void Eingabe::showValuesInForce()
{
    // while the user types, writing back the same text would move the cursor
    const QString text = valueText(HScroll1->value());
    if (Text1->text() != text)
        Text1->setText(text);
}

bool Eingabe::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::FocusOut)
        showValuesInForce();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace diraz
