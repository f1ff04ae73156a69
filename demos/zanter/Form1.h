#pragma once

#include "FMSettings.h"

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
} // namespace platform

namespace zanter {

// Zanter's window "Frequenzmodulation": carrier, depth and rate of the modulation, loudness and
// duration; one period of the modulating wave drawn with the modulated one, the relation
// explained in a sentence, and the tone played or exported.
class Form1 : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();

    void DrawFMCurves();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    void redrawForPlay() override { DrawFMCurves(); }
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    QGroupBox *Frame1;
    QLabel *Label10;
    QLabel *LBL3;
    QGroupBox *Frame2;
    QLabel *Label5;
    QLabel *Label3;
    QLabel *LBL2;
    QLabel *LBL4;
    platform::ScrollBar *VScroll3;
    platform::ScrollBar *VScroll2;
    platform::ScrollBar *VScroll4;
    QLabel *Label11;
    platform::ScrollBar *HScroll2;
    QLabel *LBL1;
    QLabel *Label8;
    platform::ScrollBar *HScroll1;
    QLabel *LBL5;
    QLabel *Label4;
    platform::PictureBox *Ausgabe;
    platform::PictureBox *Ausgabe1;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label9;
    QLabel *Label12;
    QLabel *LBL13;
    QLabel *Label16;
    QLabel *Label14;
    QLabel *LBL15;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label13;
    QLabel *LBL16;
    QLabel *Label15;
    QPushButton *Command2;
    QPushButton *Command1;

    // The thirteen labels of the sentence in Ausgabe1, row by row.
    std::array<QLabel *, 13> sentence() const;

private:
    void createControls(QWidget *area);
    void createSentence();
    void connectHandlers();
    ModulationSliders sliders() const { return {HScroll1, HScroll2, VScroll2, VScroll3, VScroll4}; }
    QString deviationText() const;
};

} // namespace zanter
