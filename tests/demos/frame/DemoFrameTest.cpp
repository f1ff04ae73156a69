#include "demos/DemoFixture.h"

#include "demos/dazuv/DazuvInfo.h"
#include "demos/diraz/DirazInfo.h"
#include "demos/koliva/KolivaInfo.h"
#include "demos/rovad/RovadInfo.h"
#include "demos/rozurovev/RozurovevInfo.h"
#include "demos/vevuzevu/VevuzevuInfo.h"
#include "demos/zanter/ZanterInfo.h"
#include "demos/frame/DemoFrame.h"
#include "demos/frame/DemoWindow.h"
#include "demos/frame/SettingsFile.h"
#include "demos/frame/SettingsRecord.h"
#include "demos/frame/SoundFile.h"

#include "common/ModBrowse.h"
#include "common/frmAbout.h"
#include "common/SampleChunkBuilder.h"
#include "platform/MMControl.h"
#include "platform/TempFiles.h"
#include "support/WaveBytes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace demo_tests;
using namespace testing_support;
using platform::MousePointer;

namespace {

// A window with a one-second tone of constant samples and a two-field record.
class TestWindow : public demos::DemoWindow {
public:
    QWidget *windowWidget() override { return &widget; }
    platform::MMControl &multimediaControl() override { return control; }
    void makeSoundFile(const QString &path) override
    {
        events << QStringLiteral("make");
        demos::writeDemoSound(path, format, 1, [](std::int32_t frames, SampleChunks &chunks) {
            FillSampleChunks(chunks, frames, [](std::int32_t) { return StereoValue{1234, -1234}; });
        });
    }
    void redrawForPlay() override { events << QStringLiteral("redraw"); }
    QByteArray settingsRecord() const override { return demos::SettingsWriter().int16(7).int16(9).record(); }
    void applySettings(demos::SettingsReader &record) override
    {
        first = record.int16();
        second = record.int16();
    }

    QWidget widget;
    platform::MMControl control;
    WaveFormat format;
    QStringList events;
    int first = 0;
    int second = 0;
};

QStringList soundWrites(const QString &file, bool deviceType, bool open, bool close)
{
    QStringList log;
    if (deviceType)
        log << QStringLiteral("DeviceType=WaveAudio");
    log << QStringLiteral("FileName=") + file << QStringLiteral("Flag1=false") << QStringLiteral("Flag2=true");
    if (open)
        log << QStringLiteral("Command=Open");
    log << QStringLiteral("Command=Sound");
    if (close)
        log << QStringLiteral("Command=Close");
    return log;
}

// Rovad's panel hosted as a control plays by its own policy, with nothing on unload.
const demos::DemoDescription &sorvenaDescription()
{
    static const demos::DemoDescription sorvena{
        {rovad::KlangPanel::SelfPlayTone.sequence, false, false, rovad::KlangPanel::SelfPlayTone.pointer}, {}, {}, 0};
    return sorvena;
}

// A program's own description, and what playing and unloading under it must do.
struct PlayRow {
    const char *name;
    const demos::DemoDescription &(*description)();
    bool deviceType, open, closeAfter, closeOnUnload, redraw, hourglass;
};

void PrintTo(const PlayRow &row, std::ostream *out)
{
    *out << row.name;
}

class PlayVariants : public DemoFixture, public ::testing::WithParamInterface<PlayRow> {};

} // namespace

TEST_P(PlayVariants, DriveTheControlInTheirOrder)
{
    const PlayRow &row = GetParam();
    TestWindow window;
    demos::DemoFrame frame(row.description(), ProgramInfo{}, window);
    const QString soundFile = platform::soundFilePath();

    frame.play();

    EXPECT_EQ(services.mciLog(), soundWrites(soundFile, row.deviceType, row.open, row.closeAfter));
    EXPECT_EQ(window.events, (row.redraw ? QStringList{"redraw", "make"} : QStringList{"make"}));
    ASSERT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(services.playedFiles[0].size(), 44 + 176400);
    EXPECT_EQ(samples(services.playedFiles[0], 44).at(1), -1234);
    EXPECT_FALSE(QFile::exists(soundFile));
    const QList<MousePointer> pointers =
        row.hourglass ? QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default} : QList<MousePointer>{};
    EXPECT_EQ(services.pointerChanges, pointers);
    EXPECT_TRUE(services.messages.isEmpty());

    services.mciWrites.clear();
    frame.unload();
    EXPECT_EQ(services.mciCommands(), row.closeOnUnload ? QStringList{"Close"} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    EveryProgram, PlayVariants,
    ::testing::Values(PlayRow{"Vevuzevu", &vevuzevu::description, false, false, false, true, false, true},
                      PlayRow{"Rovad", &rovad::description, true, true, true, false, false, true},
                      PlayRow{"Sorvena_control", &sorvenaDescription, true, true, true, false, false, false},
                      PlayRow{"Zanter", &zanter::description, false, false, false, true, true, true},
                      PlayRow{"Koliva", &koliva::description, true, true, true, false, true, true},
                      PlayRow{"Rozurovev", &rozurovev::description, false, true, true, false, false, true},
                      PlayRow{"Dazuv", &dazuv::description, false, false, false, true, false, true},
                      PlayRow{"Diraz", &diraz::description, false, true, true, false, false, true}),
    [](const ::testing::TestParamInfo<PlayRow> &info) { return std::string(info.param.name); });

namespace {
class Frame : public DemoFixture {
protected:
    TestWindow window;
    demos::DemoFrame frame{diraz::description(), ProgramInfo{QStringLiteral("Diraz"), 1, 0, 0, {}}, window};
};
} // namespace

TEST_F(Frame, ExportWritesTheChosenFileAndPlaysNothing)
{
    const QString target = path("ton.wav");
    services.dialogAnswers = {target};

    frame.exportWave();

    ASSERT_EQ(services.dialogs.size(), 1);
    EXPECT_EQ(services.dialogs[0].mode, platform::FileDialogRequest::Mode::Save);
    EXPECT_EQ(services.dialogs[0].title, "Als Wave-Datei speichern...");
    const QByteArray written = readFile(target);
    ASSERT_EQ(written.size(), 44 + 176400);
    EXPECT_EQ(u32At(written, 40), 176400u);
    EXPECT_EQ(samples(written, 44).at(0), 1234);
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_EQ(window.events, QStringList{"make"});
    EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
}

TEST_F(Frame, CancelInAnyDialogTouchesNothing)
{
    const struct {
        const char *name;
        void (demos::DemoFrame::*handler)();
    } rows[] = {
        {"export", &demos::DemoFrame::exportWave},
        {"save settings", &demos::DemoFrame::saveSettings},
        {"load settings", &demos::DemoFrame::loadSettings},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.dialogs.clear();
        (frame.*row.handler)();
        EXPECT_EQ(services.dialogs.size(), 1);
        expectNothingHappened();
        EXPECT_TRUE(window.events.isEmpty());
        EXPECT_EQ(window.first, 0);
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
}

TEST_F(Frame, SavingTwiceOverALongerFileKeepsItsTail)
{
    QByteArray old(100, '\x5A');
    const QString target = fileWith("alt.set", old);
    services.messageAnswer = platform::MessageResult::Yes;  // replace the existing file
    services.dialogAnswers = {target, target};

    frame.saveSettings();
    frame.saveSettings();

    const QByteArray saved = readFile(target);
    ASSERT_EQ(saved.size(), 100);
    EXPECT_EQ(saved.left(4), hex("07 00 09 00"));
    EXPECT_EQ(saved.mid(4), old.mid(4));
    EXPECT_EQ(services.dialogs[0].title, "Aktuelle Einstellungen speichern...");
    EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);
}

TEST_F(Frame, UnwritableFilesAreReportedAndTheProgramCarriesOn)
{
    const QString missingFolder = path("fehlt/ton.wav");
    services.dialogAnswers = {missingFolder};
    frame.exportWave();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden")
                                                         .arg(QDir::toNativeSeparators(missingFolder))));
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);

    services.dialogAnswers = {path("fehlt/werte.set")};
    frame.saveSettings();
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_TRUE(services.messages[1].text.contains(QStringLiteral("werte.set")));
    EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);

    // a folder in the way of the sound file: nothing is played, and the next play works
    const QString soundFile = platform::soundFilePath();
    ASSERT_TRUE(QDir().mkdir(soundFile));
    frame.play();
    QDir().rmdir(soundFile);
    ASSERT_EQ(services.messages.size(), 3);
    EXPECT_TRUE(services.messages[2].text.contains(QStringLiteral("dummy.wav")));
    EXPECT_TRUE(services.mciWrites.isEmpty());
    EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);

    frame.play();
    EXPECT_EQ(services.playedFiles.size(), 1);
    EXPECT_EQ(services.messages.size(), 3);
}

TEST_F(Frame, UnreadableSettingsGiveTheMessageAndTheDialogAgain)
{
    const struct {
        const char *name;
        QString file;
    } rows[] = {
        {"a folder", dir.path()},
        {"a file that refuses to be read", QStringLiteral("/proc/self/mem")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        services.messages.clear();
        services.dialogs.clear();
        services.dialogAnswers = {row.file};

        frame.loadSettings();

        ASSERT_EQ(services.messages.size(), 1);
        EXPECT_EQ(services.messages[0].text, "Datei enthält keine gültigen Einstellungen!");
        EXPECT_EQ(services.messages[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(services.messages[0].title.isEmpty());
        EXPECT_EQ(services.dialogs.size(), 2);
        EXPECT_EQ(services.pointerChanges.last(), MousePointer::Default);
        EXPECT_EQ(window.first, 0);
    }
}

TEST_F(Frame, MenusCarryTheProgramsCaptionsKeysAndShortcuts)
{
    QMainWindow main;
    frame.buildMenus(main);
    auto action = [&](const char *name) { return main.findChild<QAction *>(QString::fromLatin1(name)); };
    const struct {
        const char *name;
        const char *caption;
        const char *shortcut;
    } rows[] = {
        {"menOpen", "Öffnen...", "Ctrl+O"},
        {"menSave", "&Speichern...", "Ctrl+S"},
        {"menExport", "Speichern als &Wave-Datei...", ""},
        {"menQuit", "Beenden", ""},
        {"menVisit", "\"velmora\" &besuchen...", ""},
        {"menInfo", "Über \"Diraz\"...", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QAction *item = action(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(item->shortcut().toString(), QString::fromLatin1(row.shortcut));
    }
    EXPECT_EQ(main.findChild<QMenu *>(QStringLiteral("menDatei"))->title(), "&Datei");
    EXPECT_EQ(main.findChild<QMenu *>(QStringLiteral("menQMark"))->title(), "&?");
    ASSERT_NE(action("menLine1"), nullptr);
    EXPECT_TRUE(action("menLine1")->isSeparator());

    action("menVisit")->trigger();
    EXPECT_EQ(services.openedUrls, QList<QUrl>{QUrl(ModBrowse::SuiteWebPage)});

    // the About dialog comes up modal over the program's window
    bool aboutShown = false;
    QWidget *aboutOwner = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        aboutShown = qobject_cast<frmAbout *>(modal) != nullptr;
        if (modal) {
            aboutOwner = modal->parentWidget();
            modal->close();
        }
    });
    action("menInfo")->trigger();
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(aboutOwner, &window.widget);

    main.show();
    action("menQuit")->trigger();
    EXPECT_FALSE(main.isVisible());
}
