#pragma once

#include "modKlang.h"

#include "common/PanelHooks.h"
#include "common/TonePath.h"
#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace rovad {

// "WaveAudio", file name, False, True, "Open", "Sound", "Close": every play opens and closes
// the device itself.
inline constexpr PlaySequence KlangSequence{true, true, true};

// Rovad's panel: fifteen harmonic amplitudes, the fundamental typed in, the duration; one
// period of the tone and its line spectrum; "Wiedergabe". The window adds "Beenden" and the
// menus around it; hosted as a control it stands alone.
class KlangPanel : public QWidget {
    Q_OBJECT
public:
    // "Wiedergabe" calls the hook `play` where there is one (a window hands the play to its
    // frame), and otherwise plays by itself (SelfPlayTone).
    explicit KlangPanel(PanelHooks hooks = {}, QWidget *parent = nullptr);

    // The panel's size in twips, hosted or in the window.
    static constexpr int DesignWidth = 9885;
    static constexpr int DesignHeight = 7560;

    // Handlers, named after their controls.
    void VScroll1_Change(int Index);
    void HScroll1_Change();
    void Text16_Change();
    void Command2_Click();

    void InitPlots();
    void DrawTimeFunction();
    void DrawSpectrum();

    // The WAV file of the current settings. Throws when the frequency text is no number, before
    // anything is written.
    void MakeWaveFile(const QString &FileName);
    // Why no sound can be made of the current settings, in words for the user; empty when it can.
    QString refusal() const;

    // How the panel plays by itself, hosted as a control: the pointer is the host's, and the
    // file lives only in the process's private folder while it plays.
    static constexpr TonePath::Policy SelfPlayTone{KlangSequence, TonePath::Pointer::Untouched,
                                                 TonePath::File::PrivateTemporary};

    // Written only by VScroll1_Change; read by the generator and the spectrum.
    KlangAmplitudes Amplitudes{};

    std::array<platform::TextBox *, 15> Text1;
    std::array<platform::ScrollBar *, 15> VScroll1;
    std::array<QLabel *, 15> Label1to15;
    QLabel *Label16;
    platform::TextBox *Text16;
    QLabel *Label17;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text17;
    QPushButton *Command2;
    platform::PictureBox *Ausgabe2;
    platform::PictureBox *Ausgabe1;
    platform::MMControl MMControl1;

private:
    void createControls();
    void connectHandlers();
    void playItself();
    std::optional<float> frequency() const;

    WaveFormat m_waveFormat;
    PanelHooks m_hooks;
};

} // namespace rovad
