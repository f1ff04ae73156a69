#pragma once

#include "DifferenceChart.h"
#include "ModFrequenztest.h"
#include "common/TonePath.h"
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

namespace varnik {

// The frequency-difference panel: one slider per base frequency setting the swing Δf of its
// tone, a tone on every change, "OK" at the smallest swing still heard, then the chart.
class UCVarnik : public QWidget {
    Q_OBJECT
public:
    // What the program or control hosting the panel decides.
    struct Options {
        // The output level of the test tones, read afresh before every tone.
        std::function<float()> level;
        TonePath::Policy tone{ModPlay::SoundOnly};
        // "Close" to the panel's control after each tone of the first slider.
        bool closesAfterFirstSlider = true;
    };

    // A slider's design: Δf = Value / 10 + offset; Min at the top, so up raises Δf.
    struct Slider {
        float frequency;
        float offset;
        int min;
        int max;
        int value;
        int smallChange;
        int largeChange;
    };
    static constexpr int Sliders = DifferenceChart::Points;
    static constexpr std::array<Slider, Sliders> SliderTable{{
        {50, 1.8f, 20, -10, 0, 2, 2},
        {100, 1.8f, 20, -10, 0, 2, 2},
        {200, 1.8f, 20, -10, -5, 2, 3},
        {500, 2, 20, -10, -5, 2, 3},
        {1000, 3.5f, 30, -10, -5, 2, 3},
        {2000, 6, 40, -10, 0, 2, 3},
        {5000, 19, 50, -10, 0, 2, 3},
        {10000, 40, 140, -10, 0, 5, 5},
    }};
    static constexpr int DesignWidth = 9120;  // twips
    static constexpr int DesignHeight = 5205;
    // The level pages' design value: the level of every tone while they are never shown.
    static constexpr int DesignLevel = 1000;
    // Frames of a test tone; the writer is told as many sample values, one second.
    static constexpr std::int32_t ToneFrames = ModFrequenztest::ToneFrames;

    explicit UCVarnik(Options options, QWidget *parent = nullptr);

    // Δf of slider i as its value stands.
    static float deltaF(int i, int value);

    float Freq = 0;
    float Offset = 0;
    float Level = 0;
    std::int32_t NumFrames = 0;
    // Element i: the Δf last set with slider i (0 unused).
    std::array<float, Sliders + 1> DeltaF{};
    // Element i - 1: the Δf confirmed for slider i; what the chart draws.
    DifferenceChart::Values Result{};

    void Command6_Click();
    // VScroll1_Change … VScroll8_Change
    void VScroll_Change(int i);
    // Cm1_Click … Cm8_Click
    void Cm_Click(int i);
    void Command3_Click();
    void Command5_Click();
    void Command4_Click();
    void DrawMeasuredCurve();
    void DrawMeanCurve();

    platform::ScrollBar *VScroll(int i) const { return m_VScroll.at(std::size_t(i)); }
    QPushButton *Cm(int i) const { return m_Cm.at(std::size_t(i)); }
    // The measured column of the table, Lb2a … Lb2h.
    QLabel *Lb2(int i) const { return m_Lb2.at(std::size_t(i)); }
    // The mean column, Lb1a … Lb1h.
    QLabel *Lb1(int i) const { return m_Lb1.at(std::size_t(i)); }

    QPushButton *Command6;
    QPushButton *Command3;
    QPushButton *Command5;
    QPushButton *Command4;
    QLabel *Label13;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label19;
    platform::PictureBox *Ausgabe;
    QWidget *Ausgabe2;
    platform::MMControl MMControl1{QStringLiteral("MMControl1")};

private:
    void createSliders();
    void createTable();

    Options m_options;
    std::array<platform::ScrollBar *, Sliders + 1> m_VScroll{};
    std::array<QPushButton *, Sliders + 1> m_Cm{};
    std::array<QLabel *, Sliders + 1> m_Lb1{};
    std::array<QLabel *, Sliders + 1> m_Lb2{};
    WaveFormat m_format;
};

} // namespace varnik
