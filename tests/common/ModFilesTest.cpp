#include "common/ModFiles.h"
#include "support/RecordingServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace testing_support;
using platform::FileDialogRequest;
using platform::MessageButtons;
using platform::MessageResult;

namespace {

const QString WaveFilter = QStringLiteral("Wave-Dateien (*.wav)");
const QString SetFilter = QStringLiteral("Einstellungen (*.set)");
const QString AllFilter = QStringLiteral("Alle Dateien (*.*)");
// what Qt's dialog filters by for it, so that names without a dot show too; the caption stays
const QString AllFilterForQt = QStringLiteral("Alle Dateien (*)");

class ModFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString inFolder(const QString &name) const { return folder.filePath(name); }
    void createFile(const QString &name, const QByteArray &bytes = "alt")
    {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    RecordingServices recorder;
    platform::ScopedServices scope{recorder};
};

} // namespace

TEST_F(ModFilesTest, CancelGivesAnEmptyPathAndNoQuestion)
{
    EXPECT_EQ(ModFiles::ShowOpenDialog(QStringLiteral("Set"), QString(), QString()), QString());
    EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Wave"), QString(), QString()), QString());
    EXPECT_EQ(recorder.dialogs.size(), 2);
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(ModFilesTest, FiltersFollowTheFileKindInAnyCase)
{
    struct Row {
        const char *name;
        QString kind;
        QStringList filters;
    };
    const Row rows[] = {
        {"wave files", QStringLiteral("Wave"), {WaveFilter, AllFilter}},
        {"wave files written in lower case", QStringLiteral("wave"), {WaveFilter, AllFilter}},
        {"wave files written in capitals", QStringLiteral("WAVE"), {WaveFilter, AllFilter}},
        {"settings files", QStringLiteral("Set"), {SetFilter, AllFilter}},
        {"settings files written in lower case", QStringLiteral("set"), {SetFilter, AllFilter}},
        {"no kind", QString(), {AllFilter}},
        {"some other kind", QStringLiteral("Text"), {AllFilter}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        recorder.dialogs.clear();
        ModFiles::ShowOpenDialog(row.kind, folder.path(), QString());
        ModFiles::ShowSaveDialog(row.kind, folder.path(), QString());
        ASSERT_EQ(recorder.dialogs.size(), 2);
        EXPECT_EQ(recorder.dialogs[0].filters, row.filters);
        EXPECT_EQ(recorder.dialogs[1].filters, row.filters);
    }
}

TEST_F(ModFilesTest, OpenAsksForAnExistingFileAndSaveForAnyName)
{
    ModFiles::ShowOpenDialog(QStringLiteral("Set"), folder.path(), QString());
    ModFiles::ShowSaveDialog(QStringLiteral("Set"), folder.path(), QString());
    ASSERT_EQ(recorder.dialogs.size(), 2);
    EXPECT_EQ(recorder.dialogs[0].mode, FileDialogRequest::Mode::OpenExisting);
    EXPECT_EQ(recorder.dialogs[1].mode, FileDialogRequest::Mode::Save);
}

TEST_F(ModFilesTest, TitlesAreTheCallersOrTheDefaults)
{
    ModFiles::ShowOpenDialog(QStringLiteral("Set"), folder.path(), QString());
    ModFiles::ShowSaveDialog(QStringLiteral("Set"), folder.path(), QString());
    ModFiles::ShowOpenDialog(QStringLiteral("Set"), folder.path(), QStringLiteral("Einstellungen laden..."));
    ModFiles::ShowSaveDialog(QStringLiteral("Wave"), folder.path(), QStringLiteral("Als Wave-Datei speichern..."));
    ASSERT_EQ(recorder.dialogs.size(), 4);
    EXPECT_EQ(recorder.dialogs[0].title, QStringLiteral("Datei öffnen"));
    EXPECT_EQ(recorder.dialogs[1].title, QStringLiteral("Datei speichern"));
    EXPECT_EQ(recorder.dialogs[2].title, QStringLiteral("Einstellungen laden..."));
    EXPECT_EQ(recorder.dialogs[3].title, QStringLiteral("Als Wave-Datei speichern..."));
}

TEST_F(ModFilesTest, EmptyInitialDirectoryMeansTheCurrentOne)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    ModFiles::ShowOpenDialog(QStringLiteral("Set"), QString(), QString());
    ModFiles::ShowSaveDialog(QStringLiteral("Wave"), QString(), QString());
    ModFiles::ShowSaveDialog(QStringLiteral("Wave"), QStringLiteral("/somewhere/else"), QString());
    QDir::setCurrent(before);
    ASSERT_EQ(recorder.dialogs.size(), 3);
    EXPECT_EQ(QDir(recorder.dialogs[0].directory).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(QDir(recorder.dialogs[1].directory).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(recorder.dialogs[2].directory, QStringLiteral("/somewhere/else"));
}

TEST_F(ModFilesTest, OpenReturnsTheChosenFileAsItIs)
{
    recorder.dialogAnswers = {inFolder(QStringLiteral("klang.set"))};
    EXPECT_EQ(ModFiles::ShowOpenDialog(QStringLiteral("Set"), QString(), QString()), inFolder(QStringLiteral("klang.set")));
}

TEST_F(ModFilesTest, SaveAppendsTheKindsExtensionOnlyWhenMissing)
{
    struct Row {
        const char *name;
        QString kind;
        QString typed;
        QString result;
    };
    const Row rows[] = {
        {"export typed without extension", QStringLiteral("Wave"), QStringLiteral("test"), QStringLiteral("test.wav")},
        {"export typed with extension", QStringLiteral("Wave"), QStringLiteral("test.wav"), QStringLiteral("test.wav")},
        {"export typed in capitals", QStringLiteral("Wave"), QStringLiteral("TEST.WAV"), QStringLiteral("TEST.WAV")},
        {"export chosen under all files", QStringLiteral("Wave"), QStringLiteral("aufnahme"),
         QStringLiteral("aufnahme.wav")},
        {"export typed with another extension", QStringLiteral("Wave"), QStringLiteral("test.set"),
         QStringLiteral("test.set.wav")},
        {"export with a dot in the name", QStringLiteral("wave"), QStringLiteral("ton.1"), QStringLiteral("ton.1.wav")},
        {"settings typed without extension", QStringLiteral("Set"), QStringLiteral("einst"), QStringLiteral("einst.set")},
        {"settings typed with extension", QStringLiteral("set"), QStringLiteral("einst.Set"), QStringLiteral("einst.Set")},
        {"settings named like a wave file", QStringLiteral("Set"), QStringLiteral("a.wav"), QStringLiteral("a.wav.set")},
        {"other kind keeps the name", QStringLiteral("Text"), QStringLiteral("notiz"), QStringLiteral("notiz")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        recorder.dialogAnswers = {inFolder(row.typed)};
        EXPECT_EQ(ModFiles::ShowSaveDialog(row.kind, QString(), QString()), inFolder(row.result));
    }
    EXPECT_TRUE(recorder.messages.isEmpty()) << "no file existed, so nothing to ask";
}

TEST_F(ModFilesTest, OverwriteIsAskedForTheFileThatWillBeWritten)
{
    createFile(QStringLiteral("klang.wav"));
    createFile(QStringLiteral("klang"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ordner.wav")));
    ASSERT_TRUE(QFile::link(inFolder(QStringLiteral("klang.wav")), inFolder(QStringLiteral("verweis.wav"))));
    enum class Shown { Nothing, Question, Refusal };
    struct Row {
        const char *name;
        QString typed;
        MessageResult answer;
        QString result;  // "" = cancelled
        Shown shown;
        QString named;  // what the message names
    };
    const QString existing = inFolder(QStringLiteral("klang.wav"));
    // after "Nein" the dialog comes back, where the user cancels
    const Row rows[] = {
        {"typed without extension, existing file kept", QStringLiteral("klang"), MessageResult::No, QString(),
         Shown::Question, existing},
        {"typed without extension, existing file replaced", QStringLiteral("klang"), MessageResult::Yes,
         QStringLiteral("klang.wav"), Shown::Question, existing},
        {"typed with extension, existing file kept", QStringLiteral("klang.wav"), MessageResult::No, QString(),
         Shown::Question, existing},
        {"typed with extension, existing file replaced", QStringLiteral("klang.wav"), MessageResult::Yes,
         QStringLiteral("klang.wav"), Shown::Question, existing},
        {"a link, asked about as the file it leads to", QStringLiteral("verweis"), MessageResult::Yes,
         QStringLiteral("verweis.wav"), Shown::Question, existing},
        {"the name of a folder", QStringLiteral("ordner"), MessageResult::Yes, QString(), Shown::Refusal,
         inFolder(QStringLiteral("ordner.wav"))},
        {"new name", QStringLiteral("neu"), MessageResult::No, QStringLiteral("neu.wav"), Shown::Nothing, QString()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        recorder.messages.clear();
        recorder.dialogs.clear();
        recorder.messageAnswer = row.answer;
        recorder.dialogAnswers = {inFolder(row.typed)};
        const QString expected = row.result.isEmpty() ? QString() : inFolder(row.result);
        EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Wave"), QString(), QString()), expected);
        ASSERT_EQ(recorder.messages.size(), row.shown == Shown::Nothing ? 0 : 1);
        const bool again = row.shown == Shown::Question && row.answer == MessageResult::No;
        EXPECT_EQ(recorder.dialogs.size(), again ? 2 : 1);
        if (row.shown == Shown::Nothing)
            continue;
        const QString text = recorder.messages[0].text;
        EXPECT_EQ(recorder.messages[0].buttons, row.shown == Shown::Question ? MessageButtons::YesNo : MessageButtons::Ok);
        EXPECT_TRUE(text.contains(QStringLiteral("„%1“").arg(QDir::toNativeSeparators(row.named)))) << text.toStdString();
        if (row.shown == Shown::Refusal) {
            EXPECT_TRUE(text.contains(QStringLiteral("Ordner"))) << text.toStdString();
        }
    }
    QFile kept(inFolder(QStringLiteral("klang.wav")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("alt")) << "asking must not touch the file";
}

TEST_F(ModFilesTest, SettingsOverwriteIsAskedForTheSetFile)
{
    createFile(QStringLiteral("einst.set"));
    recorder.messageAnswer = MessageResult::No;
    recorder.dialogAnswers = {inFolder(QStringLiteral("einst"))};
    EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Set"), QString(), QString()), QString());
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].text.contains(QStringLiteral("einst.set")));
}

TEST_F(ModFilesTest, NeinGoesBackToTheDialogOnTheSameNameUntilAnotherIsChosen)
{
    createFile(QStringLiteral("einst.set"));
    createFile(QStringLiteral("zweit.set"));
    recorder.messageAnswer = MessageResult::No;
    recorder.dialogAnswers = {inFolder(QStringLiteral("einst")), inFolder(QStringLiteral("zweit.set")),
                              inFolder(QStringLiteral("frei"))};
    EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Set"), folder.path(), QStringLiteral("Speichern...")),
              inFolder(QStringLiteral("frei.set")));
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[0].text.contains(QStringLiteral("einst.set")));
    EXPECT_TRUE(recorder.messages[1].text.contains(QStringLiteral("zweit.set")));
    ASSERT_EQ(recorder.dialogs.size(), 3);
    EXPECT_EQ(recorder.dialogs[0].directory, folder.path());
    // the dialog opens again where it was, offering the refused name
    EXPECT_EQ(recorder.dialogs[1].directory, inFolder(QStringLiteral("einst.set")));
    EXPECT_EQ(recorder.dialogs[2].directory, inFolder(QStringLiteral("zweit.set")));
    for (const FileDialogRequest &request : recorder.dialogs) {
        EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
        EXPECT_EQ(request.title, QStringLiteral("Speichern..."));
        EXPECT_EQ(request.filters, (QStringList{SetFilter, AllFilter}));
    }
}

TEST_F(ModFilesTest, AFailingDialogShowsItsDescriptionAndGivesAnEmptyPath)
{
    recorder.onFileDialog = [] { throw std::runtime_error("Der Dateidialog konnte nicht angezeigt werden."); };
    recorder.dialogAnswers = {inFolder(QStringLiteral("a.wav")), inFolder(QStringLiteral("b.wav"))};
    EXPECT_EQ(ModFiles::ShowOpenDialog(QStringLiteral("Wave"), QString(), QString()), QString());
    EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Wave"), QString(), QString()), QString());
    ASSERT_EQ(recorder.messages.size(), 2);
    for (const platform::MessageBoxRequest &message : recorder.messages) {
        EXPECT_EQ(message.text, QStringLiteral("Der Dateidialog konnte nicht angezeigt werden."));
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_TRUE(message.title.isEmpty()) << "the program's own title";
    }
}

namespace {

struct SeenDialog {
    bool found = false;
    bool nonNative = false;
    bool asksItselfAboutOverwriting = true;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QStringList filters;
    QStringList captions;  // as the list of file types shows them
    QStringList listed;    // names shown, under the first filter and under the last
    QStringList listedUnderLast;
    QString directory;
    QString offeredName;  // in the name box before typing
    QString title;
    bool stillOpenAfterAccept = false;
};

QStringList listedNames(QFileSystemModel &model, const QString &folder)
{
    QStringList names;
    const QModelIndex parent = model.index(folder);
    for (int row = 0; row < model.rowCount(parent); ++row)
        names.append(model.index(row, 0, parent).data().toString());
    names.sort();
    return names;
}

// Answers the next real file dialog by typing `typed` and pressing its Save or Open button, then
// cancels it if it is still open.
void answerRealDialog(SeenDialog &seen, const QString &typed)
{
    QTimer::singleShot(0, [&seen, typed] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.found = true;
        seen.nonNative = dialog->testOption(QFileDialog::DontUseNativeDialog);
        seen.asksItselfAboutOverwriting = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        seen.acceptMode = dialog->acceptMode();
        seen.fileMode = dialog->fileMode();
        seen.filters = dialog->nameFilters();
        seen.directory = dialog->directory().absolutePath();
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *model = dialog->findChild<QFileSystemModel *>();
        if (types && model) {
            for (int i = 0; i < types->count(); ++i)
                seen.captions.append(types->itemText(i));
            (void)QTest::qWaitFor([&] { return model->rowCount(model->index(seen.directory)) > 0; }, 20000);
            seen.listed = listedNames(*model, seen.directory);
            // chosen as a user would
            types->setCurrentIndex(types->count() - 1);
            emit types->activated(types->count() - 1);
            (void)QTest::qWaitFor([&] { return listedNames(*model, seen.directory) != seen.listed; }, 2000);
            seen.listedUnderLast = listedNames(*model, seen.directory);
        }
        seen.title = dialog->windowTitle();
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!nameEdit || !buttons || buttons->buttons().isEmpty()) {
            dialog->reject();
            return;
        }
        seen.offeredName = nameEdit->text();
        nameEdit->setText(typed);
        for (QAbstractButton *button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->click();
        seen.stillOpenAfterAccept = dialog->isVisible();
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

TEST(QtFileDialog, SaveUsesQtsOwnDialogThatLeavesTheOverwriteQuestionToTheCaller)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char *name : {"alt.wav", "ohnepunkt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SeenDialog seen;
    answerRealDialog(seen, QStringLiteral("klang"));
    const QString chosen = ModFiles::ShowSaveDialog(QStringLiteral("Wave"), folder.path(), QString());
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.nonNative);
    EXPECT_FALSE(seen.asksItselfAboutOverwriting);
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.filters, (QStringList{WaveFilter, AllFilterForQt}));
    EXPECT_EQ(seen.captions, (QStringList{WaveFilter, AllFilter}));
    EXPECT_EQ(seen.listed, QStringList{"alt.wav"});
    EXPECT_EQ(seen.listedUnderLast, (QStringList{"alt.wav", "ohnepunkt"}));
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.title, QStringLiteral("Datei speichern"));
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("klang.wav")));
}

TEST(QtFileDialog, OpenAcceptsExistingFilesOnly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char *name : {"da.set", "notiz.txt", "ohnepunkt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    struct Row {
        const char *name;
        QString typed;
        QString result;
    };
    const Row rows[] = {
        {"an existing settings file", QStringLiteral("da.set"), folder.filePath(QStringLiteral("da.set"))},
        {"a name that does not exist", QStringLiteral("fehlt.set"), QString()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SeenDialog seen;
        answerRealDialog(seen, row.typed);
        EXPECT_EQ(ModFiles::ShowOpenDialog(QStringLiteral("Set"), folder.path(), QStringLiteral("Einstellungen laden...")),
                  row.result);
        ASSERT_TRUE(seen.found);
        EXPECT_TRUE(seen.nonNative);
        EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
        EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
        EXPECT_EQ(seen.filters, (QStringList{SetFilter, AllFilterForQt}));
        EXPECT_EQ(seen.captions, (QStringList{SetFilter, AllFilter}));
        // the last filter lists every file, those without a dot too
        EXPECT_EQ(seen.listed, QStringList{"da.set"});
        EXPECT_EQ(seen.listedUnderLast, (QStringList{"da.set", "notiz.txt", "ohnepunkt"}));
        EXPECT_EQ(seen.title, QStringLiteral("Einstellungen laden..."));
        EXPECT_EQ(seen.stillOpenAfterAccept, row.result.isEmpty());
    }
}

namespace {

// Qt's real dialogs, with the overwrite question answered by the recorder.
class RealDialogs : public RecordingServices {
public:
    QString fileDialog(const FileDialogRequest &request) override
    {
        dialogs.append(request);
        return platform::Services::fileDialog(request);
    }
};

} // namespace

TEST(QtFileDialog, NeinShowsTheDialogAgainInTheSameFolderOfferingTheRefusedName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile existing(folder.filePath(QStringLiteral("klang.wav")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    RealDialogs services;
    const platform::ScopedServices scope(services);
    services.messageAnswer = MessageResult::No;
    SeenDialog first;
    SeenDialog again;
    services.onMessageBox = [&] { answerRealDialog(again, QStringLiteral("anders")); };
    answerRealDialog(first, QStringLiteral("klang"));
    EXPECT_EQ(ModFiles::ShowSaveDialog(QStringLiteral("Wave"), folder.path(), QString()),
              folder.filePath(QStringLiteral("anders.wav")));
    EXPECT_EQ(services.messages.size(), 1);
    ASSERT_TRUE(first.found);
    ASSERT_TRUE(again.found);
    EXPECT_EQ(again.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(again.offeredName, QStringLiteral("klang.wav"));
    EXPECT_EQ(again.acceptMode, QFileDialog::AcceptSave);
}
