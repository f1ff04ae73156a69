#pragma once

#include "demos/frame/DemoMainWindow.h"

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

namespace diraz {

// Diraz's window "Sinusschwingung": amplitude step, frequency and duration of a sine tone,
// two milliseconds of it drawn, and the tone played or exported.
class Eingabe : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit Eingabe(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void Form_Load();
    void VScroll1_Change();
    void HScroll1_Change();
    void HScroll2_Change();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

    void DrawSineCurve();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    void showValuesInForce() override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    QGroupBox *Frame1;
    QLabel *Label1;
    platform::TextBox *Text2;
    platform::ScrollBar *VScroll1;
    platform::PictureBox *Ausgabe;
    QLabel *Label4;
    QLabel *Label3;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text1;
    QLabel *Label6;
    QLabel *Label2;
    QLabel *Label5;
    platform::ScrollBar *HScroll2;
    platform::TextBox *Text3;
    QPushButton *Command1;
    QPushButton *Command2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(QWidget *area);
    void connectHandlers();
};

} // namespace diraz
