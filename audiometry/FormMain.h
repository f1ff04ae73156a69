#pragma once

#include "common/ProgramInfo.h"

#include <QMainWindow>

class QAction;
class QPushButton;

// The main window of a listening test that calibrates at start: its panel, "Beenden", the
// "Datei" and "?" menus, and the output-level wizard before the first test.
class FormMain : public QMainWindow {
    Q_OBJECT
public:
    // `panel` becomes the window's own, placed at `panelTwips`; `clientTwips` is the size inside
    // the frame and the menu bar.
    FormMain(const ProgramInfo &program, const QString &aboutCaption, QWidget *panel, QRect panelTwips,
             QSize clientTwips);

    QWidget *panel() const { return m_panel; }
    QPushButton *Command1;
    QMenu *menDatei;
    QAction *menPref;
    QAction *menQuit;
    QMenu *menQMark;
    QAction *menVisit;
    QAction *menAbout;

    // Loads the last calibration page, sets the default reference amplitude, shows the
    // window and runs the wizard over it; returns when the wizard has ended.
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void menQuit_Click();
    void menPref_Click();
    void menAbout_Click();
    void menVisit_Click();

    // 16384 / 512: the reference amplitude of the default output level.
    static constexpr std::int32_t DefaultTestValue = 32;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ProgramInfo m_program;
    QWidget *m_panel;
};
