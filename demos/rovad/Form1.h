#pragma once

#include "demos/frame/DemoFrame.h"
#include "demos/frame/DemoWindow.h"

#include <QMainWindow>

class QPushButton;

namespace rovad {

class KlangPanel;

// Rovad's window "Klangerzeugung": the panel, "Beenden" and the menus.
class Form1 : public QMainWindow, public demos::DemoWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void Command1_Click();

    demos::DemoFrame &frame() { return m_frame; }

    // DemoWindow
    QWidget *windowWidget() override { return this; }
    platform::MMControl &multimediaControl() override;
    void makeSoundFile(const QString &path) override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    KlangPanel *panel;
    QPushButton *Command1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    demos::DemoFrame m_frame;
};

} // namespace rovad
