#pragma once

#include "LevelBars.h"
#include "PanelOptions.h"
#include "common/PanelHooks.h"
#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
namespace platform {
class PictureBox;
class ScrollBar;
} // namespace platform

// The pure-tone audiometry panel: right ear, then left ear, one level bar per test frequency,
// a tone on every change of the bar, "OK" when it is just audible, then the audiogram.
class UCHTest : public QWidget {
    Q_OBJECT
public:
    // The reference amplitude of a tone at 0 dB, read afresh before every tone.
    using LevelSource = std::function<std::int32_t()>;
    enum class Ear { Right, Left };

    static constexpr int Bars = LevelBars::Bars;
    static constexpr auto BarTop = LevelBars::Top;
    // Sample values the header declares, half a second; the generators write 88200 frames all the same.
    static constexpr std::int32_t ToneSampleCount = 44100;
    static constexpr int DesignWidth = 8970;  // twips
    static constexpr int DesignHeight = 5355;

    // Calls the hooks `started` and `repeated`, each at the end of its button's work.
    explicit UCHTest(PanelOptions options, PanelHooks hooks = {}, QWidget *parent = nullptr);
    explicit UCHTest(LevelSource level, QWidget *parent = nullptr);
    ~UCHTest() override;

    // Levels in dB; index i is bar i, index 0 the chart's 10 Hz point. Never reset.
    std::array<float, Bars + 1> CurrentLevel{};
    std::array<float, Bars + 1> RightThreshold{};
    std::array<float, Bars + 1> LeftThreshold{};

    void Command6_Click();
    void Command4_Click();
    void Command3_Click();
    void Command2_Click();
    // rVScroll1_Change … lVScroll11_Change
    void VScroll_Change(Ear ear, int i);
    // rCm1_Click … lCm11_Click
    void Cm_Click(Ear ear, int i);

    platform::ScrollBar *VScroll(Ear ear, int i) const;
    QPushButton *Cm(Ear ear, int i) const;

    QPushButton *Command6;
    QPushButton *Command4;
    QPushButton *Command3;
    QPushButton *Command2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label19;
    platform::PictureBox *Ausgabe;
    QLabel *Label5;
    platform::MMControl MMControl1{QStringLiteral("MMControl1")};

protected:
    // The panel's tone road: `write` makes the file, the hidden play button plays it. False
    // when nothing was heard.
    bool playTone(const TonePath::Writer &write);

    // what the last tone was made of
    float m_frequency = 0;
    std::int32_t m_amplitude = 0;
    float m_normal = 0;
    std::int32_t m_sampleCount = 0;
    WaveFormat m_format;

private:
    void createBars(Ear ear);
    void createChartLabels();
    void chartHead();
    void DrawHearingCurves();
    void DrawNormalCurve();

    PanelOptions m_options;
    PanelHooks m_hooks;
    std::array<platform::ScrollBar *, Bars + 1> m_rVScroll{};
    std::array<platform::ScrollBar *, Bars + 1> m_lVScroll{};
    std::array<QPushButton *, Bars + 1> m_rCm{};
    std::array<QPushButton *, Bars + 1> m_lCm{};
};
