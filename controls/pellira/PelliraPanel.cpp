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
               PanelHooks{.repeated = [this] { setLevelControlsVisible(true); },
                          .finished = [this] { setLevelControlsVisible(false); },
                          .playFile = [this](const QString &) { playThroughCommand2(); }},
               parent)
{
    designLevelBlock(this, 360, 1920, 3360, {-10, 10, 1, 3, 8}, QString());
    Command2 = platform::designButton(this, QStringLiteral("Command2"), QString(), QRect(1080, 1560, 1215, 315));
    Command2->hide();
    Command2->setObjectName(QStringLiteral("Command2"));
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
