#include "common/ProgramStart.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// Qt's own dialogs in German on an English desktop, and numbers still in the desktop's style.
TEST(StartProgram, StandardDialogsSpeakGermanWhileNumbersFollowTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ProgramInfo program;
    program.title = QStringLiteral("Diraz");
    StartProgram(program);

    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    const struct {
        const char *what;
        QString shown;
        const char *expected;
    } rows[] = {
        {"message box OK", box.button(QMessageBox::Ok)->text(), "OK"},
        {"message box Cancel", box.button(QMessageBox::Cancel)->text(), "Abbrechen"},
        {"message box Yes", box.button(QMessageBox::Yes)->text(), "&Ja"},
        {"message box No", box.button(QMessageBox::No)->text(), "&Nein"},
        {"file dialog folder", dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"))->text(), "Suchen in:"},
        {"file dialog name", dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"))->text(), "Datei&name:"},
        {"file dialog save", buttons->button(QDialogButtonBox::Save)->text(), "S&peichern"},
        {"file dialog cancel", buttons->button(QDialogButtonBox::Cancel)->text(), "Abbrechen"},
        {"number", QLocale().toString(1234.5, 'f', 1), "1,234.5"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.shown.toStdString(), row.expected) << row.what;
}

} // namespace
