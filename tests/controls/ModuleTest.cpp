#include "support/Screenshot.h"
#include "support/WaveBytes.h"

#include "platform/com/ClassStore.h"
#include "platform/com/ControlDescription.h"
#include "platform/com/ControlLibrary.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>

#include <dlfcn.h>
#include <link.h>
#include <ostream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

using namespace com;

namespace {

// What a click on the row's button must show from outside the library.
enum class Effect {
    HidesItself,             // "Test starten" gives way to the test
    PlaysFromPrivateFolder,  // the tone is written to the process's own folder, played, removed
    KeepsUserFile,           // "Pegelton" is written to the user's cache and stays there
};

struct Library {
    const char *module;
    const char *progId;
    // library and help name, ProgID, CLSID, LIBID, version, class, default and event interface,
    // design size in twips, original file name ("-" where the library has no version block)
    const char *identity;
    const char *button;  // object name of the button clicked, and its text
    const char *buttonText;
    Effect effect;
};

const Library Libraries[] = {
    {VELMORA_TAVONI, "Tavoni.UCHTest",
     "Tavoni Tavoni Tavoni.UCHTest {66C4CD8B-F059-46C3-9175-C472A592E62B} {16C84088-0A76-4914-8871-CD666BAEF769} "
     "1.0 UCHTest _UCHTest {3E9BB989-2914-43DF-AC3A-11386F62A4B7} __UCHTest {550C4155-8E35-4D9D-8A22-00B97CA660DF} "
     "8970x5355 Tavoni.ocx",
     "Command6", "Test starten", Effect::HidesItself},
    {VELMORA_SORVENA, "Sorvena.Rovad",
     "Sorvena Sorvena Sorvena.Rovad {5D44A325-FF46-4936-B099-6860FD51F956} {CE45A28A-F4A3-43DE-8A04-1D74DBCC8749} "
     "4.0 Rovad _Klang {EAA35A6C-985F-49BE-A3F2-7E22FA154491} __Klang {FDE10681-A54E-4287-A17D-C6602F5AF26C} "
     "9885x7560 -",
     "Command2", "Wiedergabe", Effect::PlaysFromPrivateFolder},
    {VELMORA_PELLIRA, "Pellira.UCLimbra",
     "Pellira Pellira Pellira.UCLimbra {D066D4F4-CBCD-11D2-83A5-004005A1C26D} {0F6F8C4C-CB2D-11D2-83A5-004005A1C26D} "
     "2.0 UCLimbra _UCLimbra {D066D4F3-CBCD-11D2-83A5-004005A1C26D} __UCLimbra {D066D4F5-CBCD-11D2-83A5-004005A1C26D} "
     "9135x5655 Pellira.ocx",
     "Command1", "Pegelton", Effect::KeepsUserFile},
    {VELMORA_MERVANE, "Varnik.UCVarnik",
     "Varnik Varnik Varnik.UCVarnik {A18C7F68-68AC-49E6-B563-9D99EABEC851} {75E6B486-24AF-40D1-9A6C-6F65B6EDB1D9} "
     "1.0 UCVarnik _UCVarnik {A824B64B-5DE3-4FE8-8E43-03F38BF454D9} __UCVarnik {16746B5C-4BCE-4FC6-8F2C-7F97C41726BC} "
     "9120x5205 -",
     "Command6", "Test starten", Effect::HidesItself},
};

void PrintTo(const Library &library, std::ostream *out)
{
    *out << library.progId;
}

QString identity(const ControlDescription &d)
{
    return QStringList{d.libraryName, d.helpString, d.progId, toText(d.clsid), toText(d.libid), versionText(d),
                       d.className, d.defaultInterface.name, toText(d.defaultInterface.iid), d.eventInterface.name,
                       toText(d.eventInterface.iid),
                       QStringLiteral("%1x%2").arg(d.designWidthTwips).arg(d.designHeightTwips),
                       d.version ? d.version->originalFilename : "-"}
        .join(QLatin1Char(' '));
}

QStringList exportedFunctions(const char *module)
{
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), QString::fromLatin1(module)});
    EXPECT_TRUE(nm.waitForFinished());
    QStringList exported;
    for (const QString &line : QString::fromLatin1(nm.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.section(QLatin1Char(' '), 1, 1) == QLatin1String("T"))
            exported << line.section(QLatin1Char(' '), 2);
    exported.sort();
    return exported;
}

// The pages a loaded library occupies.
struct Image {
    std::uintptr_t start = 0;
    std::size_t size = 0;
};

Image imageOf(const char *module)
{
    void *handle = dlopen(module, RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return {};
    link_map *map = nullptr;
    dlinfo(handle, RTLD_DI_LINKMAP, &map);
    struct Search {
        ElfW(Addr) base;
        Image image;
    } search{map->l_addr, {}};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *s = static_cast<Search *>(data);
            if (info->dlpi_addr != s->base)
                return 0;
            std::uintptr_t low = UINTPTR_MAX, high = 0;
            for (int i = 0; i < info->dlpi_phnum; ++i)
                if (info->dlpi_phdr[i].p_type == PT_LOAD) {
                    low = std::min<std::uintptr_t>(low, info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
                    high = std::max<std::uintptr_t>(high, info->dlpi_addr + info->dlpi_phdr[i].p_vaddr
                                                              + info->dlpi_phdr[i].p_memsz);
                }
            const std::uintptr_t page = sysconf(_SC_PAGESIZE);
            low &= ~(page - 1);
            s->image = {low, (high - low + page - 1) & ~(page - 1)};
            return 1;
        },
        &search);
    dlclose(handle);
    return search.image;
}

// Keeps the pages of an unloaded library taken, without access: whatever the process still
// holds of the library faults at once, rather than reading the next library loaded there.
bool fenceOff(Image image)
{
    return mmap(reinterpret_cast<void *>(image.start), image.size, PROT_NONE,
                MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0)
        == reinterpret_cast<void *>(image.start);
}

class Module : public ::testing::TestWithParam<Library> {};

} // namespace

TEST_P(Module, ExportsFourEntryPointsAndRunsFromRegistrationToUnload)
{
    const Library &row = GetParam();
    const QString module = QString::fromLatin1(row.module);
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.path().toLocal8Bit());
    qputenv("VELMORA_CLASS_STORE", dir.filePath(QStringLiteral("Classes.ini")).toLocal8Bit());
    // the library's own temporary folder, where the test can look into it
    const QDir temp(dir.filePath(QStringLiteral("tmp")));
    ASSERT_TRUE(temp.mkpath(QStringLiteral(".")));
    const auto restore = qScopeGuard([previous = qgetenv("TMPDIR")] {
        previous.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", previous);
        qunsetenv("VELMORA_CLASS_STORE");
    });
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    const auto privateFolders = [&] {
        return temp.entryList({QStringLiteral("velmora-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    };

    EXPECT_EQ(exportedFunctions(row.module),
              (QStringList{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}));

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first load" : "loaded again after unloading");
        ControlLibrary library(module);
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        ASSERT_EQ(library.registerServer(), S_OK);
        Guid clsid;
        ASSERT_EQ(libraryForClass(QString::fromLatin1(row.progId), clsid), QFileInfo(module).absoluteFilePath());

        IControlSite *site = nullptr;
        ASSERT_EQ(library.createControl(clsid, &site), S_OK);
        void *infoObject = nullptr;
        ASSERT_EQ(site->QueryInterface(IID_IControlInfo, &infoObject), S_OK);
        const ControlDescription *d = nullptr;
        static_cast<IControlInfo *>(infoObject)->GetDescription(&d);
        static_cast<IControlInfo *>(infoObject)->Release();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(identity(*d), QString::fromLatin1(row.identity));
        EXPECT_EQ(d->clsid, clsid);
        EXPECT_EQ(d->locale, 0x409u);
        EXPECT_EQ(d->libraryFlags, 2u);
        EXPECT_EQ(d->miscStatus, 0x20191u);
        EXPECT_EQ(d->toolboxBitmapId, 30000);
        EXPECT_EQ(toolboxBitmap(*d).size(), QSize(16, 15));

        QWidget *panel = nullptr;
        site->GetPanel(&panel);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isHidden()) << "shown before a host sites it";
        QWidget host;
        ASSERT_EQ(site->SetContainer(&host), S_OK);
        host.resize(panel->size());
        host.show();
        // one visible action
        auto *button = panel->findChild<QPushButton *>(QString::fromLatin1(row.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(row.buttonText));
        if (round == 0)
            testing_support::saveScreenshot(host.grab().toImage(), QStringLiteral("control-%1.png").arg(d->className));
        QElapsedTimer clock;
        clock.start();
        button->click();
        const qint64 clickMs = clock.elapsed();
        EXPECT_EQ(button->isHidden(), row.effect == Effect::HidesItself);
        EXPECT_FALSE(QFile::exists(QStringLiteral("dummy.wav"))) << "nothing in the current folder";
        if (row.effect == Effect::PlaysFromPrivateFolder) {
            // written to its own folder and removed after playing
            ASSERT_EQ(privateFolders().size(), 1);
            EXPECT_TRUE(QDir(temp.filePath(privateFolders()[0])).isEmpty());
            // with a sound server the click returns once the three seconds have been heard
            if (!qEnvironmentVariableIsEmpty("VELMORA_TEST_SINK")) {
                EXPECT_GE(clickMs, 3000);
            }
        }
        if (row.effect == Effect::KeepsUserFile) {
            // one and a half seconds declared, two written, left for the next tone
            const QByteArray kept = testing_support::readFile(dir.filePath(QStringLiteral("velmora/dummy.wav")));
            EXPECT_EQ(kept.size(), 44 + 352800);
            EXPECT_EQ(testing_support::u32At(kept, 40), 264600u);
            EXPECT_TRUE(privateFolders().isEmpty());
        }
        EXPECT_EQ(library.canUnloadNow(), S_FALSE);
        site->SetContainer(nullptr);
        site->Release();
        ASSERT_TRUE(library.unload());
        EXPECT_EQ(dlopen(row.module, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still mapped after unloading";
        EXPECT_TRUE(privateFolders().isEmpty()) << "the library's private folder goes with it";
        ControlLibrary again(module);
        ASSERT_TRUE(again.load());
        EXPECT_EQ(again.unregisterServer(), S_OK);
        EXPECT_EQ(libraryForClass(QString::fromLatin1(row.progId), clsid), QString());
        again.unload();
    }
}

TEST_P(Module, LoadedAgainAndAgainInOneHostLeavesNothingBehindInTheOldImage)
{
    const Library &row = GetParam();
    Guid clsid;
    ASSERT_TRUE(fromText(QString::fromLatin1(row.identity).section(QLatin1Char(' '), 3, 3), clsid));
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(testing::Message() << "load " << round + 1);
        ControlLibrary library(QString::fromLatin1(row.module));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        const Image image = imageOf(row.module);
        ASSERT_GT(image.size, 0u);
        IControlSite *site = nullptr;
        ASSERT_EQ(library.createControl(clsid, &site), S_OK);
        std::string copied;
        {
            QWidget host;
            ASSERT_EQ(site->SetContainer(&host), S_OK);
            host.show();
            QWidget *panel = nullptr;
            site->GetPanel(&panel);
            ASSERT_NE(panel, nullptr);
            // the host's own tip shows first, so Qt keeps that tip window for the panel's tip
            QToolTip::showText(host.mapToGlobal(QPoint()), QStringLiteral("Gastgeber"));
            const QList<QWidget *> widgets = panel->findChildren<QWidget *>();
            const auto tipped = std::find_if(widgets.begin(), widgets.end(),
                                             [](QWidget *w) { return !w->toolTip().isEmpty(); });
            ASSERT_NE(tipped, widgets.end());
            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), (*tipped)->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(*tipped, &help);
            ASSERT_EQ(QToolTip::text(), (*tipped)->toolTip());
            if (auto *box = panel->findChild<QLineEdit *>()) {
                box->selectAll();
                box->copy();
                copied = box->text().toStdString();
            }
            site->SetContainer(nullptr);
        }
        site->Release();
        ASSERT_TRUE(library.unload());
        ASSERT_TRUE(fenceOff(image)) << "the old image is still mapped";
        // what the tip window and the clipboard took from the panel is read again
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->grab();
        if (!copied.empty()) {
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), copied);
        }
    }
}

// Four hosts register the four libraries at the same moment; what the store's path names decides
// whether all four classes land in it, or each is refused at once and the path stays as it was.
TEST(ClassStore, FourRegistrationsAtOnceKeepAllOrRefuseWithoutWaiting)
{
    enum class Kind { NewFile, LinkToFile, Fifo, LinkToItself };
    const struct {
        const char *name;
        Kind kind;
        bool accepted;
    } rows[] = {
        {"a new store", Kind::NewFile, true},
        {"a link to a store, which stays a link", Kind::LinkToFile, true},
        {"a FIFO", Kind::Fifo, false},
        {"a link to itself", Kind::LinkToItself, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("Classes.ini"));
        const QString target = dir.filePath(QStringLiteral("Ziel.ini"));
        switch (row.kind) {
        case Kind::NewFile:
            break;
        case Kind::LinkToFile:
            ASSERT_TRUE(QFile(target).open(QIODevice::WriteOnly));
            ASSERT_TRUE(QFile::link(target, store));
            break;
        case Kind::Fifo:
            ASSERT_EQ(mkfifo(QFile::encodeName(store).constData(), 0600), 0);
            break;
        case Kind::LinkToItself:
            ASSERT_TRUE(QFile::link(store, store));
            break;
        }
        const auto entries = [&] { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden); };
        QStringList expected = entries() << QStringLiteral("Classes.ini");
        expected.removeDuplicates();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VELMORA_CLASS_STORE"), store);
        std::vector<std::unique_ptr<QProcess>> hosts;
        for (const Library &library : Libraries) {
            hosts.push_back(std::make_unique<QProcess>());
            hosts.back()->setProcessEnvironment(environment);
            hosts.back()->start(QStringLiteral(VELMORA_CONTROLHOST),
                                {QStringLiteral("--register"), QString::fromLatin1(library.module)});
        }
        QElapsedTimer clock;
        clock.start();
        const QDeadlineTimer deadline(20000);
        for (auto &host : hosts) {
            if (!host->waitForFinished(int(deadline.remainingTime()))) {
                ADD_FAILURE() << "a registration hangs";
                continue;
            }
            const QString said = QString::fromUtf8(host->readAllStandardOutput() + host->readAllStandardError());
            EXPECT_EQ(host->exitCode(), row.accepted ? 0 : 1) << said.toStdString();
            EXPECT_TRUE(said.contains(row.accepted ? QStringLiteral("ist registriert.")
                                                   : QStringLiteral("Die Klassenablage „%1“ ist keine gewöhnliche "
                                                                    "Datei")
                                                         .arg(store)))
                << said.toStdString();
        }
        if (!row.accepted) {
            EXPECT_LT(clock.elapsed(), 1000) << "refused only after waiting";
        }

        EXPECT_EQ(entries(), expected) << "nothing beside the store is left behind";
        const QFileInfo info(store);
        EXPECT_EQ(info.isSymLink(), row.kind == Kind::LinkToFile || row.kind == Kind::LinkToItself);
        if (row.accepted) {
            QSettings registered(row.kind == Kind::LinkToFile ? target : store, QSettings::IniFormat);
            registered.beginGroup(QStringLiteral("HKEY_CLASSES_ROOT/CLSID"));
            EXPECT_EQ(registered.childGroups().size(), 4) << "a registration lost another";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLibrary, Module, ::testing::ValuesIn(Libraries),
                         [](const ::testing::TestParamInfo<Library> &info) {
                             return QFileInfo(QString::fromLatin1(info.param.module)).baseName().toStdString();
                         });
