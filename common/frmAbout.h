#pragma once

#include "ProgramInfo.h"

#include <QDialog>

// The About dialog every program shows from its "?" menu.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const ProgramInfo &program, QWidget *owner = nullptr);

    // Shows the dialog modally over `owner` and returns when it is closed.
    static void showModal(QWidget *owner, const ProgramInfo &program);

    // Starts the system-information program or says that it is not available.
    static void StartSysInfo();
};
