#include "KlangPanel.h"

#include "KlangPlots.h"

#include "common/TonePath.h"
#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/Convert.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Services.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <initializer_list>
#include <stdexcept>
#include <utility>

using demos::lockedReadOut;
using demos::ReadOutGround;
using demos::valueText;
using platform::designLabel;
using platform::designScrollBar;
using platform::setTwipsGeometry;

namespace {

constexpr int HarmonicLeft = 480;
constexpr int HarmonicSpacing = 600;
constexpr double ReadOutPoints = 8.25;
constexpr double CaptionPoints = 9;
const QString Arial = QStringLiteral("Arial");

// the blanks are the captions' own
const char *const HarmonicCaptions[15] = {"f0",    "2 f0",  "3  f0", "4  f0", "5  f0",
                                          "6  f0", " 7 f0", "8  f0", "9  f0", "10 f0",
                                          "11 f0", "12 f0", "13 f0", "14 f0", "15 f0"};

} // namespace

namespace rovad {

KlangPanel::KlangPanel(PanelHooks hooks, QWidget *parent)
    : QWidget(parent)
    , m_hooks(std::move(hooks))
{
    platform::useDesignFont(*this);
    setFixedSize(platform::twipsToPixels(DesignWidth), platform::twipsToPixels(DesignHeight));
    createControls();
    // design values are in place before any handler can see them
    connectHandlers();
    InitPlots();
}

void KlangPanel::createControls()
{
    for (int i = 0; i < 15; ++i) {
        const std::size_t k = std::size_t(i);
        const int left = HarmonicLeft + HarmonicSpacing * i;
        Text1[k] = lockedReadOut(this, QRect(left, 120, 495, 285), QStringLiteral("0"), ReadOutGround::Black);
        platform::useFont(*Text1[k], ReadOutPoints, true);
        VScroll1[k] = designScrollBar(this, Qt::Vertical, QRect(left, 480, 375, 2535), {100, 0, 1, 10, 0});
        Label1to15[k] = designLabel(this, QString::fromLatin1(HarmonicCaptions[i]), QRect(left, 3120, 375, 255));
        platform::useFont(*Label1to15[k], ReadOutPoints, false, Arial);
        platform::fitToText(Label1to15[k]);
    }

    Label16 = designLabel(this, QStringLiteral("Grundfrequenz f0 in Hz:"), QRect(240, 3600, 2055, 255));
    platform::useFont(*Label16, CaptionPoints, true, Arial);
    platform::shrinkFontToWidth(Label16, platform::twipsToPixels(2055));
    Text16 = new platform::TextBox(this);
    setTwipsGeometry(Text16, 2400, 3600, 495, 285);
    Text16->setMaxLength(4);
    Text16->setText(QStringLiteral("100"));
    Text16->setToolTip(QStringLiteral("Frequenz der 1. Harmonischen"));

    Label17 = designLabel(this, QStringLiteral("Dauer in sec."), QRect(3240, 3600, 1215, 255));
    platform::useFont(*Label17, CaptionPoints, true, Arial);
    platform::shrinkFontToWidth(Label17, platform::twipsToPixels(1215));
    HScroll1 = designScrollBar(this, Qt::Horizontal, QRect(4440, 3600, 855, 255), {2, 10, 1, 1, 3});
    Text17 = lockedReadOut(this, QRect(5400, 3600, 375, 285), QStringLiteral("3"), ReadOutGround::Black,
                           QStringLiteral("max. 10 Sekunden"));
    Text17->setMaxLength(2);
    platform::useFont(*Text17, CaptionPoints, true, Arial);

    Command2 = new QPushButton(QStringLiteral("Wiedergabe"), this);
    setTwipsGeometry(Command2, 6000, 3480, 1575, 375);

    Ausgabe2 = new platform::PictureBox(this);
    setTwipsGeometry(Ausgabe2, 120, 4200, 4575, 3135);
    Ausgabe2->setToolTip(QStringLiteral("Vevuzevu"));
    Ausgabe1 = new platform::PictureBox(this);
    setTwipsGeometry(Ausgabe1, 5160, 4200, 4575, 3135);
    Ausgabe1->setToolTip(QStringLiteral("Zeitfunktion"));

    // a host finds the single controls by name
    for (auto [control, name] : std::initializer_list<std::pair<QWidget *, const char *>>{
             {Label16, "Label16"}, {Text16, "Text16"}, {Label17, "Label17"}, {HScroll1, "HScroll1"},
             {Text17, "Text17"}, {Command2, "Command2"}, {Ausgabe2, "Ausgabe2"}, {Ausgabe1, "Ausgabe1"}})
        control->setObjectName(QString::fromLatin1(name));
}

void KlangPanel::connectHandlers()
{
    for (int i = 0; i < 15; ++i)
        VScroll1[std::size_t(i)]->setChangeHandler([this, i] { VScroll1_Change(i); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    Text16->setChangeHandler([this] { Text16_Change(); });
    connect(Command2, &QPushButton::clicked, this, &KlangPanel::Command2_Click);
}

void KlangPanel::VScroll1_Change(int Index)
{
    const int value = VScroll1[std::size_t(Index)]->value();
    Text1[std::size_t(Index)]->setText(valueText(value));
    Amplitudes[std::size_t(Index)] = std::int16_t(value);
    DrawTimeFunction();
    DrawSpectrum();
}

void KlangPanel::HScroll1_Change()
{
    Text17->setText(valueText(HScroll1->value()));
}

void KlangPanel::Text16_Change()
{
    // runs this handler once more, with "0"
    if (Text16->text().isEmpty())
        Text16->setText(QStringLiteral("0"));
    DrawTimeFunction();
}

void KlangPanel::Command2_Click()
{
    if (m_hooks.play)
        m_hooks.play();
    else
        playItself();
}

QString KlangPanel::refusal() const
{
    if (frequency())
        return QString();
    return platform::Convert::notANumber(QStringLiteral("Die Grundfrequenz"), Text16->text());
}

std::optional<float> KlangPanel::frequency() const
{
    try {
        return platform::Convert::textToSingle(Text16->text());
    } catch (const platform::ConversionError &) {
        return std::nullopt;
    }
}

void KlangPanel::playItself()
{
    // told as the programs tell it, before anything is touched
    if (const QString reason = refusal(); !reason.isEmpty()) {
        platform::services().messageBox({reason, QString(), platform::MessageIcon::Exclamation});
        return;
    }
    TonePath::play(MMControl1, SelfPlayTone, [this](const QString &path) { MakeWaveFile(path); });
}

void KlangPanel::InitPlots()
{
    DrawTimeFunction();
    DrawSpectrum();
}

void KlangPanel::DrawTimeFunction()
{
    // the time plot reads the sliders themselves
    KlangAmplitudes values{};
    for (std::size_t j = 0; j < values.size(); ++j)
        values[j] = std::int16_t(VScroll1[j]->value());
    rovad::DrawTimeFunction(Ausgabe1->surface(), values);
}

void KlangPanel::DrawSpectrum()
{
    rovad::DrawSpectrum(Ausgabe2->surface(), Amplitudes);
}

void KlangPanel::MakeWaveFile(const QString &FileName)
{
    const std::optional<float> f0 = frequency();
    if (!f0)
        throw std::invalid_argument(refusal().toStdString());
    demos::writeDemoSound(FileName, m_waveFormat, HScroll1->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        modKlang::SynthesizeKlang(*f0, Amplitudes, frameCount, chunks);
    });
}

} // namespace rovad
