#pragma once

#include "demos/frame/DemoMainWindow.h"

#include <QMainWindow>

class QPushButton;

namespace rovad {

class KlangPanel;

// Rovad's window "Klangerzeugung": the panel, "Beenden" and the menus.
class Form1 : public demos::DemoMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void Command1_Click();

    // DemoWindow
    platform::MMControl &multimediaControl() override;
    void makeSoundFile(const QString &path) override;
    QString refusal(Use use) const override;
    QByteArray settingsRecord() const override;
    void applySettings(demos::SettingsReader &record) override;

    KlangPanel *panel;
    QPushButton *Command1;
};

} // namespace rovad
