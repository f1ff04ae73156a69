#pragma once

#include "audiometry/LevelBars.h"
#include "audiometry/PanelOptions.h"
#include "common/PanelHooks.h"
#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
namespace platform {
class PictureBox;
class ScrollBar;
} // namespace platform

namespace limbra {

// The hearing-threshold panel: both ears at once, eleven level bars in a row taken one after the
// other, a tone on every change of the current bar, "OK" when it is just audible, then the
// threshold chart.
class UCLimbra : public QWidget {
    Q_OBJECT
public:
    static constexpr int Bars = LevelBars::Bars;
    static constexpr std::int32_t ToneSampleCount = 44100;
    static constexpr int DesignWidth = 9135;  // twips
    static constexpr int DesignHeight = 5655;

    // Calls the hooks `finished` once the bars are hidden, `repeated` once they are shown again,
    // before the frequency goes back, and `playFile` for every bar tone.
    explicit UCLimbra(PanelOptions options, PanelHooks hooks = {}, QWidget *parent = nullptr);
    ~UCLimbra() override;

    // Levels in dB; index N is bar N, index 0 the chart's 10 Hz point. Never reset.
    std::array<float, Bars + 1> CurrentLevel{};
    std::array<float, Bars + 1> MeasuredThreshold{};

    void Command6_Click();
    void Command4_Click();
    void Command3_Click();
    // VScroll1_Change … VScroll11_Change
    void VScroll_Change(int bar);
    // Cm1_Click … Cm11_Click
    void Cm_Click(int bar);
    void DrawThresholdCurve();
    void DrawNormalCurve();

    platform::ScrollBar *VScroll(int bar) const { return m_VScroll.at(std::size_t(bar)); }
    QPushButton *Cm(int bar) const { return m_Cm.at(std::size_t(bar)); }
    // the level read-outs Label1 … Label11
    QLabel *Level(int bar) const { return m_Level.at(std::size_t(bar)); }

    QPushButton *Command6;
    QPushButton *Command4;
    QPushButton *Command3;
    QLabel *Label12;
    QLabel *Label13;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label19;
    platform::PictureBox *Ausgabe;
    platform::MMControl MMControl1{QStringLiteral("MMControl1")};

private:
    void createBars();
    void createChart();
    // Pen width 1, the chart and its buttons shown; `keepsDrawing` switches persistent drawing on.
    void chartHead(bool keepsDrawing);
    // The bar that "Test starten" or an "OK" makes the current one.
    void makeCurrent(int bar);
    // All bars, then all "OK" buttons, then the host's hook.
    void showBars(bool shown);

    PanelOptions m_options;
    PanelHooks m_hooks;
    std::array<platform::ScrollBar *, Bars + 1> m_VScroll{};
    std::array<QPushButton *, Bars + 1> m_Cm{};
    std::array<QLabel *, Bars + 1> m_Level{};
    // its "OK" is offered only once a tone of the bar has been heard
    bool m_heardSinceCurrent = false;

    // what the last tone was made of
    float m_frequency = 0;
    std::int32_t m_amplitude = 0;
    float m_normal = 0;
    std::int32_t m_sampleCount = 0;
    WaveFormat m_format;
};

} // namespace limbra
