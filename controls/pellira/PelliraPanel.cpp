#include "PelliraPanel.h"

#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "thresholds/limbra/ModTon.h"

#include <QLabel>
#include <QPushButton>

namespace pellira {

PelliraPanel::PelliraPanel(QWidget *parent)
    // a negative slider value inverts every sample, 0 is silence
    : UCLimbra(hostedPanelOptions([this] { return std::int32_t(HScroll1->value()); }),
               Hooks{[this] { setLevelControlsVisible(false); }, [this] { setLevelControlsVisible(true); },
                     [this](const QString &) { playThroughCommand2(); }},
               parent)
{
    Label14 = platform::designLabel(this, QStringLiteral("Einpegeln"), QRect(360, 3360, 735, 255));
    Label15 = platform::designLabel(this, QStringLiteral("Grobeinstellung"), QRect(360, 3840, 1215, 255));
    Command1 = platform::designButton(this, QStringLiteral("Pegelton"), QString(), QRect(1920, 3840, 1095, 255));
    Label16 = platform::designLabel(this, QStringLiteral("Feinabstimmung"), QRect(360, 4200, 1335, 255));
    HScroll1 = platform::designScrollBar(this, Qt::Horizontal, QRect(1920, 4200, 1095, 255), {-10, 10, 1, 3, 8});
    Command2 = platform::designButton(this, QStringLiteral("Command2"), QString(), QRect(1080, 1560, 1215, 315));
    Command2->hide();
    const std::pair<QWidget *, const char *> names[] = {
        {Label14, "Label14"}, {Label15, "Label15"}, {Command1, "Command1"},
        {Label16, "Label16"}, {HScroll1, "HScroll1"}, {Command2, "Command2"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));
    // the chart covers the labels, which stay switched on under it
    Ausgabe->raise();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
}

void PelliraPanel::playLevelTone(const TonePath::Policy &policy, std::int32_t A, std::int32_t sampleCount)
{
    WaveFormat format;
    FillStandardFormat(format);
    TonePath::play(
        MMControl1, policy,
        TonePath::toneFile(format, sampleCount,
                           [&](SampleChunks &chunks) { ModTon::MakeToneBoth(A, LevelToneFrequency, chunks); }),
        [this](const QString &) { playThroughCommand2(); });
}

void PelliraPanel::playThroughCommand2()
{
    Command2->setEnabled(true);
    Command2_Click();
}

void PelliraPanel::Command1_Click()
{
    TonePath::Policy policy = TonePolicy;
    policy.pointer = TonePath::Pointer::Hourglass;
    playLevelTone(policy, LevelToneAmplitude, LevelToneSampleCount);
}

void PelliraPanel::HScroll1_Change()
{
    playLevelTone(TonePolicy, HScroll1->value(), FineToneSampleCount);
}

void PelliraPanel::Command2_Click()
{
    ModPlay::PlayWaveFile(MMControl1, TonePath::filePath(TonePolicy), TonePolicy.sequence);
}

void PelliraPanel::setLevelControlsVisible(bool visible)
{
    Command1->setVisible(visible);
    HScroll1->setVisible(visible);
}

} // namespace pellira
