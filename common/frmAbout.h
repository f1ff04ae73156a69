#pragma once

#include "ProgramInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The About dialog every program shows from its "?" menu.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const ProgramInfo &program, QWidget *owner = nullptr);

    // Shows the dialog modally over `owner` and returns when it is closed.
    static void showModal(QWidget *owner, const ProgramInfo &program);

    // Starts the system-information program or says that it is not available.
    static void StartSysInfo();

    // Reads the text value `SubKeyRef` of key `KeyName` under root `KeyRoot` into `KeyVal`;
    // true when the value was read (a value that is not text reads as ""), else false and "".
    static bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    // The contact lines under the version, joined by carriage returns.
    static QString ContactText();

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load(const ProgramInfo &program);

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *Label1;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
};
