#pragma once

#include "demos/frame/DemoMainWindow.h"

#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QMainWindow>

#include <optional>

class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace rozurovev {

// Rozurovev's window: a typed first frequency, the second as an offset of up to ±20 Hz, the
// beat frequency and one second of the beat's envelope; the sum of both sines played or exported.
class frmMain : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void Form_Load();
    void Text1_Change();
    void Text3_Change();
    void HScroll2_Change();
    void HScroll1_Change();
    void HScroll3_Change();
    void Command1_Click();
    void Command2_Click();

    void DrawBeatEnvelope();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    QString refusal(Use use) const override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    platform::PictureBox *Grafik1;
    QLabel *Label1;
    platform::TextBox *Text1;
    QLabel *Label4;
    platform::TextBox *Text4;
    QLabel *Label3;
    platform::TextBox *Text3;
    platform::ScrollBar *HScroll2;
    QLabel *Label2;
    platform::TextBox *Text2;
    platform::ScrollBar *HScroll1;
    QLabel *Label5;
    platform::TextBox *Text5;
    platform::ScrollBar *HScroll3;
    QPushButton *Command1;
    QPushButton *Command2;

    float Frequency1 = 0;
    float Frequency2 = 0;

private:
    void createControls(QWidget *area);
    void connectHandlers();
    // Text1 as a single; none while it holds no number (a lone "-" while typing).
    std::optional<float> firstFrequency() const;
};

} // namespace rozurovev
