#pragma once

#include "ModSpektrum.h"

#include "demos/frame/DemoMainWindow.h"

#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QMainWindow>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace vevuzevu {

// Vevuzevu's window: four harmonic amplitudes, fundamental and duration; one period of the
// partials and their sum, the line spectrum, and the tone played or exported.
class CSpektrum : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit CSpektrum(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void Form_Load();
    void VScroll1_Change(int Index);
    void HScroll1_Change();
    void HScroll2_Change();
    void Command1_Click();
    void Command2_Click();

    void DrawTimeFunctions();
    void DrawSpectrumLines();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    // Written only by VScroll1_Change; read by the plots and the generator.
    SpektrumAmplitudes Amplitudes{};

    QGroupBox *Frame1;
    QLabel *Label3;
    QLabel *Label4;
    std::array<platform::ScrollBar *, 4> VScroll1;
    std::array<platform::TextBox *, 4> Text1;
    QLabel *Label1;
    platform::PictureBox *ASpektrum;
    std::array<QLabel *, 4> Label7to10;
    QLabel *Label2;
    platform::PictureBox *AZeit;
    QLabel *Label5;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text6;
    QLabel *Label6;
    platform::ScrollBar *HScroll2;
    platform::TextBox *Text7;
    QPushButton *Command1;
    QPushButton *Command2;

private:
    void createControls(QWidget *area);
    void connectHandlers();
};

} // namespace vevuzevu
