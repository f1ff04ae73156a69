#include "TavoniPanel.h"

#include "audiometry/Modtest.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace tavoni {

TavoniPanel::TavoniPanel(QWidget *parent)
    : UCHTest(hostedPanelOptions([this] {
                  // whole slider values give the same bytes as the float
                  return std::int32_t(HScroll1->value());
              }),
              // the block is there before the test and again after it
              PanelHooks{.started = [this] { setLevelBlockVisible(false); },
                         .repeated = [this] { setLevelBlockVisible(true); }},
              parent)
{
    designLevelBlock(this, 240, 1680, 3240, {0, 10, 1, 3, 8}, QStringLiteral("Testton"));
    // the chart covers the block only while it is shown, and the block is hidden then
    Ausgabe->raise();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
}

void TavoniPanel::playLevelTone(std::int32_t level, std::int32_t sampleCount)
{
    m_frequency = LevelToneFrequency;
    m_sampleCount = sampleCount;
    FillStandardFormat(m_format);
    playTone(TonePath::toneFile(m_format, m_sampleCount, [&](SampleChunks &chunks) {
        Modtest::MakeToneBoth(10 * level, m_frequency, chunks);
    }));
}

void TavoniPanel::Command1_Click()
{
    playLevelTone(10, LevelToneSampleCount);
}

void TavoniPanel::HScroll1_Change()
{
    playLevelTone(HScroll1->value(), FineToneSampleCount);
}

void TavoniPanel::setLevelBlockVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Command1, HScroll1, Label14, Label15, Label16})
        w->setVisible(visible);
}

} // namespace tavoni
