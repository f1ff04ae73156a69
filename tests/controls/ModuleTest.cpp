#include "support/WaveBytes.h"

#include "platform/com/ClassStore.h"
#include "platform/com/ControlDescription.h"
#include "platform/com/ControlLoader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <ostream>
#include <gtest/gtest.h>

using namespace com;

namespace {

// What a click on the row's button must show from outside the library.
enum class Effect {
    HidesItself,             // "Test starten" gives way to the test
    PlaysFromPrivateFolder,  // the tone is written to the process's own folder, played, removed
    KeepsUserFile,           // "Pegelton" is written to the user's cache and stays there
};

// What the library says of itself, against the identity data it must carry, and one visible
// action on its panel.
struct Identity {
    const char *module;
    const char *libraryName;
    const char *progId;
    const char *clsid;
    const char *libid;
    const char *className;
    const char *defaultName;
    const char *defaultIid;
    const char *eventName;
    const char *eventIid;
    int versionMajor;
    int versionMinor;
    int designWidth;
    int designHeight;
    const char *originalFilename;  // "" where the library has no version block
    const char *button;             // object name of the button clicked
    const char *buttonText;
    Effect effect;
};

const Identity Libraries[] = {
    {VELMORA_TAVONI, "Tavoni", "Tavoni.UCHTest", "{66C4CD8B-F059-46C3-9175-C472A592E62B}",
     "{16C84088-0A76-4914-8871-CD666BAEF769}", "UCHTest", "_UCHTest", "{3E9BB989-2914-43DF-AC3A-11386F62A4B7}",
     "__UCHTest", "{550C4155-8E35-4D9D-8A22-00B97CA660DF}", 1, 0, 8970, 5355, "Tavoni.ocx", "Command6",
     "Test starten", Effect::HidesItself},
    {VELMORA_SORVENA, "Sorvena", "Sorvena.Rovad", "{5D44A325-FF46-4936-B099-6860FD51F956}",
     "{CE45A28A-F4A3-43DE-8A04-1D74DBCC8749}", "Rovad", "_Klang", "{EAA35A6C-985F-49BE-A3F2-7E22FA154491}",
     "__Klang", "{FDE10681-A54E-4287-A17D-C6602F5AF26C}", 4, 0, 9885, 7560, "", "Command2", "Wiedergabe",
     Effect::PlaysFromPrivateFolder},
    {VELMORA_PELLIRA, "Pellira", "Pellira.UCLimbra", "{D066D4F4-CBCD-11D2-83A5-004005A1C26D}",
     "{0F6F8C4C-CB2D-11D2-83A5-004005A1C26D}", "UCLimbra", "_UCLimbra", "{D066D4F3-CBCD-11D2-83A5-004005A1C26D}",
     "__UCLimbra", "{D066D4F5-CBCD-11D2-83A5-004005A1C26D}", 2, 0, 9135, 5655, "Pellira.ocx", "Command1",
     "Pegelton", Effect::KeepsUserFile},
    {VELMORA_MERVANE, "Varnik", "Varnik.UCVarnik", "{A18C7F68-68AC-49E6-B563-9D99EABEC851}",
     "{75E6B486-24AF-40D1-9A6C-6F65B6EDB1D9}", "UCVarnik", "_UCVarnik", "{A824B64B-5DE3-4FE8-8E43-03F38BF454D9}",
     "__UCVarnik", "{16746B5C-4BCE-4FC6-8F2C-7F97C41726BC}", 1, 0, 9120, 5205, "", "Command6", "Test starten",
     Effect::HidesItself},
};

void PrintTo(const Identity &id, std::ostream *out)
{
    *out << id.progId;
}

// TMPDIR for as long as it lives.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const QString &path) { qputenv("TMPDIR", path.toLocal8Bit()); }
    ~TemporaryFolder()
    {
        if (m_previous.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_previous);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

private:
    const QByteArray m_previous = qgetenv("TMPDIR");
};

// The library's private folders ("velmora-XXXXXX") under the temporary folder in force.
QStringList privateFolders(const QDir &temp)
{
    return temp.entryList({QStringLiteral("velmora-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
}

QString screenshot(const QString &name)
{
    QDir().mkpath(QStringLiteral(VELMORA_SCREENSHOT_DIR));
    return QStringLiteral(VELMORA_SCREENSHOT_DIR "/") + name;
}

class Module : public ::testing::TestWithParam<Identity> {};

} // namespace

TEST_P(Module, ExportsFourEntryPointsAndRunsFromRegistrationToUnload)
{
    const Identity &id = GetParam();
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.path().toLocal8Bit());
    qputenv("VELMORA_CLASS_STORE", dir.filePath(QStringLiteral("Classes.ini")).toLocal8Bit());
    // the library's own temporary folder, where a test can look into it
    const QDir temp(dir.filePath(QStringLiteral("tmp")));
    ASSERT_TRUE(temp.mkpath(QStringLiteral(".")));
    const TemporaryFolder scopedTemp(temp.path());

    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), QString::fromLatin1(id.module)});
    ASSERT_TRUE(nm.waitForFinished());
    QStringList exported;
    for (const QString &line : QString::fromLatin1(nm.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.section(QLatin1Char(' '), 1, 1) == QLatin1String("T"))
            exported << line.section(QLatin1Char(' '), 2);
    exported.sort();
    EXPECT_EQ(exported, (QStringList{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}));

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first load" : "loaded again after unloading");
        ControlLibrary library(QString::fromLatin1(id.module));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        ASSERT_EQ(library.registerServer(), S_OK);
        Guid clsid;
        ASSERT_EQ(libraryForClass(QString::fromLatin1(id.progId), clsid), QFileInfo(QString::fromLatin1(id.module)).absoluteFilePath());
        EXPECT_EQ(toText(clsid), QString::fromLatin1(id.clsid));

        IControlSite *site = nullptr;
        ASSERT_EQ(library.createControl(clsid, &site), S_OK);
        void *infoObject = nullptr;
        ASSERT_EQ(site->QueryInterface(IID_IControlInfo, &infoObject), S_OK);
        const ControlDescription *d = nullptr;
        static_cast<IControlInfo *>(infoObject)->GetDescription(&d);
        static_cast<IControlInfo *>(infoObject)->Release();
        ASSERT_NE(d, nullptr);
        EXPECT_STREQ(d->libraryName, id.libraryName);
        EXPECT_STREQ(d->helpString, id.libraryName);
        EXPECT_STREQ(d->progId, id.progId);
        EXPECT_EQ(toText(d->libid), QString::fromLatin1(id.libid));
        EXPECT_STREQ(d->className, id.className);
        EXPECT_STREQ(d->defaultInterface.name, id.defaultName);
        EXPECT_EQ(toText(d->defaultInterface.iid), QString::fromLatin1(id.defaultIid));
        EXPECT_STREQ(d->eventInterface.name, id.eventName);
        EXPECT_EQ(toText(d->eventInterface.iid), QString::fromLatin1(id.eventIid));
        EXPECT_EQ(d->versionMajor, id.versionMajor);
        EXPECT_EQ(d->versionMinor, id.versionMinor);
        EXPECT_EQ(d->locale, 0x409u);
        EXPECT_EQ(d->libraryFlags, 2u);
        EXPECT_EQ(d->miscStatus, 0x20191u);
        EXPECT_EQ(d->toolboxBitmapId, 30000);
        EXPECT_EQ(toolboxBitmap(*d).size(), QSize(16, 15));
        EXPECT_EQ(d->designWidthTwips, id.designWidth);
        EXPECT_EQ(d->designHeightTwips, id.designHeight);
        EXPECT_STREQ(d->version ? d->version->originalFilename : "", id.originalFilename);

        QWidget host;
        host.setWindowTitle(QString::fromLatin1(d->className));
        ASSERT_EQ(site->SetContainer(&host), S_OK);
        QWidget *panel = nullptr;
        site->GetPanel(&panel);
        ASSERT_NE(panel, nullptr);
        host.resize(panel->size());
        host.show();
        // one visible action
        auto *button = panel->findChild<QPushButton *>(QString::fromLatin1(id.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(id.buttonText));
        if (round == 0)
            host.grab().save(screenshot(QStringLiteral("control-%1.png").arg(QString::fromLatin1(id.className))));
        QElapsedTimer clock;
        clock.start();
        button->click();
        const qint64 clickMs = clock.elapsed();
        switch (id.effect) {
        case Effect::HidesItself:
            EXPECT_TRUE(button->isHidden());
            break;
        case Effect::PlaysFromPrivateFolder:
            // written to its own folder and removed after playing; nothing in the current folder
            ASSERT_EQ(privateFolders(temp).size(), 1);
            EXPECT_TRUE(QDir(temp.filePath(privateFolders(temp)[0])).isEmpty());
            EXPECT_FALSE(QFile::exists(QStringLiteral("dummy.wav")));
            // with a sound server the click returns once the three seconds have been heard
            if (!qEnvironmentVariableIsEmpty("VELMORA_TEST_SINK")) {
                EXPECT_GE(clickMs, 3000);
            }
            EXPECT_FALSE(button->isHidden());
            break;
        case Effect::KeepsUserFile: {
            // one and a half seconds declared, two written, left for the next tone
            const QByteArray kept = testing_support::readFile(dir.filePath(QStringLiteral("velmora/dummy.wav")));
            EXPECT_EQ(kept.size(), 44 + 352800);
            EXPECT_EQ(testing_support::u32At(kept, 40), 264600u);
            EXPECT_TRUE(privateFolders(temp).isEmpty());
            EXPECT_FALSE(QFile::exists(QStringLiteral("dummy.wav")));
            EXPECT_FALSE(button->isHidden());
            break;
        }
        }
        EXPECT_EQ(library.canUnloadNow(), S_FALSE);
        site->SetContainer(nullptr);
        site->Release();
        ASSERT_TRUE(library.unload());
        EXPECT_EQ(dlopen(id.module, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still mapped after unloading";
        // the library's private folder goes with it
        EXPECT_TRUE(privateFolders(temp).isEmpty());
        ControlLibrary again(QString::fromLatin1(id.module));
        ASSERT_TRUE(again.load());
        EXPECT_EQ(again.unregisterServer(), S_OK);
        EXPECT_EQ(libraryForClass(QString::fromLatin1(id.progId), clsid), QString());
        again.unload();
    }
    qunsetenv("VELMORA_CLASS_STORE");
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, Module, ::testing::ValuesIn(Libraries),
                         [](const ::testing::TestParamInfo<Identity> &info) {
                             return QFileInfo(QString::fromLatin1(info.param.module)).baseName().toStdString();
                         });
