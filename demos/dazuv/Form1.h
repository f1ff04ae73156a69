#pragma once

#include "demos/frame/DemoMainWindow.h"

#include "common/WaveFormat.h"
#include "platform/MMControl.h"

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

namespace dazuv {

// Dazuv's window "Pegeländerungen": a level difference with the sentence on what it means,
// duration and loudness; the tone alternates every half second between the reference and the
// raised level.
class Form1 : public demos::DemoDeviceWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Handlers, named after their controls.
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command2_Click();
    void Command1_Click();

    // DemoWindow
    void makeSoundFile(const QString &path) override;
    QString refusal(Use use) const override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    QLabel *Label1;
    platform::ScrollBar *HScroll1;
    platform::TextBox *Text1;
    platform::PictureBox *Ausgabe;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    platform::TextBox *Text4;
    QLabel *Label7;
    platform::TextBox *Text5;
    QLabel *Label9;
    QLabel *Label8;
    QLabel *Label12;
    platform::ScrollBar *HScroll2;
    platform::TextBox *Text2;
    QLabel *Label13;
    platform::ScrollBar *HScroll3;
    platform::TextBox *Text3;
    QPushButton *Command2;
    QPushButton *Command1;

private:
    void createControls(QWidget *area);
    void createSentence();
    void connectHandlers();
};

} // namespace dazuv
