#include "support/WaveBytes.h"

#include "platform/com/ClassStore.h"
#include "platform/com/ControlDescription.h"
#include "platform/com/ControlLoader.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace com;

namespace {

// What the library says of itself, against the identity data it must carry.
struct Identity {
    const char *module;
    const char *progId;
    const char *clsid;
    const char *libid;
    const char *className;
    const char *defaultName;
    const char *defaultIid;
    const char *eventName;
    const char *eventIid;
    int versionMajor;
    int designWidth;
    int designHeight;
    const char *originalFilename;  // "" where the library has no version block
};

const Identity Libraries[] = {
    {VELMORA_TAVONI, "Tavoni.UCHTest", "{66C4CD8B-F059-46C3-9175-C472A592E62B}",
     "{16C84088-0A76-4914-8871-CD666BAEF769}", "UCHTest", "_UCHTest", "{3E9BB989-2914-43DF-AC3A-11386F62A4B7}",
     "__UCHTest", "{550C4155-8E35-4D9D-8A22-00B97CA660DF}", 1, 8970, 5355, "Tavoni.ocx"},
};

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
        EXPECT_EQ(toText(d->libid), QString::fromLatin1(id.libid));
        EXPECT_STREQ(d->className, id.className);
        EXPECT_STREQ(d->defaultInterface.name, id.defaultName);
        EXPECT_EQ(toText(d->defaultInterface.iid), QString::fromLatin1(id.defaultIid));
        EXPECT_STREQ(d->eventInterface.name, id.eventName);
        EXPECT_EQ(toText(d->eventInterface.iid), QString::fromLatin1(id.eventIid));
        EXPECT_EQ(d->versionMajor, id.versionMajor);
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
        // one visible action: the first button the panel shows
        auto *start = panel->findChild<QPushButton *>(QStringLiteral("Command6"));
        ASSERT_NE(start, nullptr);
        if (round == 0)
            host.grab().save(screenshot(QStringLiteral("control-%1.png").arg(QString::fromLatin1(id.className))));
        start->click();
        EXPECT_TRUE(start->isHidden());
        EXPECT_EQ(library.canUnloadNow(), S_FALSE);
        site->SetContainer(nullptr);
        site->Release();
        ASSERT_TRUE(library.unload());
        EXPECT_EQ(dlopen(id.module, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still mapped after unloading";
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
                             return std::string(info.param.progId).substr(0, std::string(info.param.progId).find('.'));
                         });
