#pragma once

#include "demos/frame/DemoMainWindow.h"
#include "demos/zanter/FMSettings.h"

#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QMainWindow>

class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace koliva {

// Koliva saves Zanter's record, bound to its own sliders of the same names.
using AMSettings = zanter::FMSettings;

// Koliva's window "Amplitudenmodulation": carrier, depth and rate of the modulation, loudness
// and duration; one second of the envelope drawn, and the tone played or exported.
class Eingabe : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit Eingabe(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();

    void DrawEnvelope();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    void redrawForPlay() override { DrawEnvelope(); }
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    QGroupBox *Frame1;
    QLabel *Label1;
    QGroupBox *Frame2;
    QLabel *Label4;
    QLabel *Label5;
    QGroupBox *Frame3;
    QLabel *Label2;
    QLabel *Label3;
    platform::ScrollBar *VScroll3;
    platform::ScrollBar *VScroll2;
    platform::ScrollBar *VScroll4;
    platform::ScrollBar *HScroll2;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text3;
    platform::TextBox *Text2;
    platform::TextBox *Text4;
    platform::TextBox *Text1;
    platform::TextBox *Text5;
    QLabel *Label7;
    platform::PictureBox *Ausgabe;
    QPushButton *Command2;
    QPushButton *Command1;

private:
    void createControls(QWidget *area);
    void connectHandlers();
    zanter::ModulationSliders sliders() const { return {HScroll1, HScroll2, VScroll2, VScroll3, VScroll4}; }
};

} // namespace koliva
