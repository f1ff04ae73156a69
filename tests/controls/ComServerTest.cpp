#include "support/RecordingServices.h"
#include "support/WaveBytes.h"

#include "controls/tavoni/TavoniPanel.h"
#include "platform/Registry.h"
#include "platform/com/ClassStore.h"
#include "platform/com/ControlServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace com;

namespace {

constexpr ControlDescription Described{
    "Probe", "Probe", 1, 0, 0x409, 2, Guid::parse("{16C84088-0A76-4914-8871-CD666BAEF769}"), "UCHTest",
    Guid::parse("{66C4CD8B-F059-46C3-9175-C472A592E62B}"), "Probe.UCHTest",
    {"_UCHTest", Guid::parse("{3E9BB989-2914-43DF-AC3A-11386F62A4B7}")},
    {"__UCHTest", Guid::parse("{550C4155-8E35-4D9D-8A22-00B97CA660DF}")}, 0x20191, 30000, 8970, 5355, nullptr,
    nullptr};

bool g_factoryThrows = false;
QWidget *makePanel()
{
    if (g_factoryThrows)
        throw std::runtime_error("kein Speicher für das Feld");
    return new tavoni::TavoniPanel();
}
const ControlDefinition Definition{Described, &makePanel};

void deliverDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

IClassFactory *factory()
{
    void *object = nullptr;
    EXPECT_EQ(ControlServer::getClassObject(Definition, &Described.clsid, &IID_IClassFactory, &object), S_OK);
    return static_cast<IClassFactory *>(object);
}

IControlSite *create()
{
    IClassFactory *f = factory();
    void *object = nullptr;
    EXPECT_EQ(f->CreateInstance(nullptr, IID_IControlSite, &object), S_OK);
    f->Release();
    return static_cast<IControlSite *>(object);
}

} // namespace

TEST(ComServer, ClassObjectAndInstanceAnswerAsTheInterfacesSay)
{
    const Guid other = Guid::parse("{00000000-0000-0000-0000-000000000001}");
    void *object = reinterpret_cast<void *>(1);
    EXPECT_EQ(ControlServer::getClassObject(Definition, &Described.clsid, &IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(ControlServer::getClassObject(Definition, &other, &IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);

    const struct {
        const char *name;
        Guid iid;
        HResult classObject;
        HResult instance;
    } rows[] = {
        {"IUnknown", IID_IUnknown, S_OK, S_OK},
        {"IClassFactory", IID_IClassFactory, S_OK, E_NOINTERFACE},
        {"description", IID_IControlInfo, S_OK, S_OK},
        {"site", IID_IControlSite, E_NOINTERFACE, S_OK},
        {"IDispatch", IID_IDispatch, E_NOINTERFACE, S_OK},
        {"default interface", Described.defaultInterface.iid, E_NOINTERFACE, S_OK},
        {"event interface", Described.eventInterface.iid, E_NOINTERFACE, E_NOINTERFACE},
        {"anything else, licensing too", Guid::parse("{B196B28F-BAB4-101A-B69C-00AA00341D07}"), E_NOINTERFACE,
         E_NOINTERFACE},
    };
    IControlSite *site = create();
    ASSERT_NE(site, nullptr);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        void *fromClass = nullptr;
        EXPECT_EQ(ControlServer::getClassObject(Definition, &Described.clsid, &row.iid, &fromClass), row.classObject);
        void *fromInstance = nullptr;
        EXPECT_EQ(site->QueryInterface(row.iid, &fromInstance), row.instance);
        EXPECT_EQ(fromInstance != nullptr, row.instance == S_OK);
        // IUnknown is one pointer, from whichever interface it is asked
        if (fromInstance) {
            void *unknown = nullptr;
            static_cast<IUnknown *>(fromInstance)->QueryInterface(IID_IUnknown, &unknown);
            EXPECT_EQ(unknown, static_cast<void *>(site));
            static_cast<IUnknown *>(unknown)->Release();
            static_cast<IUnknown *>(fromInstance)->Release();
        }
        if (fromClass)
            static_cast<IUnknown *>(fromClass)->Release();
    }

    void *dispatch = nullptr;
    ASSERT_EQ(site->QueryInterface(Described.defaultInterface.iid, &dispatch), S_OK);
    auto *empty = static_cast<IDispatch *>(dispatch);
    std::uint32_t count = 7;
    EXPECT_EQ(empty->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(empty->GetIDsOfNames(IID_IUnknown, nullptr, 0, 0, nullptr), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(empty->Invoke(0, IID_IUnknown, 0, 0, nullptr, nullptr, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
    empty->Release();

    IClassFactory *f = factory();
    EXPECT_EQ(f->CreateInstance(site, IID_IControlSite, &object), CLASS_E_NOAGGREGATION);
    g_factoryThrows = true;
    EXPECT_EQ(f->CreateInstance(nullptr, IID_IControlSite, &object), E_FAIL);
    g_factoryThrows = false;
    f->Release();
    site->Release();
    deliverDeferredDeletes();
    EXPECT_EQ(ControlServer::canUnloadNow(), S_OK);
}

TEST(ComServer, TheLibraryStaysWhileAnythingOfItLives)
{
    EXPECT_EQ(ControlServer::canUnloadNow(), S_OK);
    IClassFactory *f = factory();
    EXPECT_EQ(ControlServer::canUnloadNow(), S_FALSE) << "class object held";
    f->LockServer(1);
    f->Release();
    EXPECT_EQ(ControlServer::canUnloadNow(), S_FALSE) << "server locked";
    f->LockServer(0);
    f->LockServer(0);  // never below zero
    EXPECT_EQ(ControlServer::canUnloadNow(), S_OK);
    f->LockServer(1);
    EXPECT_EQ(ControlServer::canUnloadNow(), S_FALSE) << "one lock is one lock, however many unlocks came before";
    f->LockServer(0);

    IControlSite *site = create();
    QWidget container;
    EXPECT_EQ(site->SetContainer(&container), S_OK);
    QWidget *panel = nullptr;
    site->GetPanel(&panel);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &container);
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
    EXPECT_EQ(ControlServer::canUnloadNow(), S_FALSE) << "instance held";
    site->Release();
    EXPECT_EQ(panel->parentWidget(), nullptr) << "the final release takes the panel out of its container";
    EXPECT_EQ(ControlServer::canUnloadNow(), S_FALSE) << "panel awaiting its end";
    deliverDeferredDeletes();
    EXPECT_EQ(ControlServer::canUnloadNow(), S_OK);
}

TEST(ComServer, AReleaseWhileATonePlaysDestroysThePanelOnlyAfterwards)
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    testing_support::RecordingServices services;
    platform::ScopedServices scoped(services);
    IControlSite *site = create();
    QWidget *raw = nullptr;
    site->GetPanel(&raw);
    QPointer<QWidget> panel = raw;
    bool aliveAfterRelease = false;
    services.onSound = [&] {
        site->Release();
        deliverDeferredDeletes();  // a host's loop may run anything meanwhile
        aliveAfterRelease = !panel.isNull();
    };

    static_cast<tavoni::TavoniPanel *>(raw)->Command1->click();

    EXPECT_TRUE(aliveAfterRelease);
    EXPECT_EQ(services.mciCommands(), QStringList{"Sound"});
    deliverDeferredDeletes();
    EXPECT_TRUE(panel.isNull());
    EXPECT_EQ(ControlServer::canUnloadNow(), S_OK);
}

TEST(ClassStore, RegistrationReadsBackThroughTheRegistryAndLeavesOtherKeys)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Classes.ini"));
    qputenv("VELMORA_CLASS_STORE", file.toLocal8Bit());
    {
        QSettings foreign(file, QSettings::IniFormat);
        foreign.setValue(QStringLiteral("HKEY_CLASSES_ROOT/CLSID/{00000000-0000-0000-0000-0000000000AA}/@"), "fremd");
    }
    const QString library = QStringLiteral("/opt/velmora/Probe.so");
    ASSERT_EQ(ClassStore::registerClass(Described, library), S_OK);
    const QByteArray once = testing_support::readFile(file);
    ASSERT_EQ(ClassStore::registerClass(Described, library), S_OK);
    EXPECT_EQ(testing_support::readFile(file), once) << "registering twice gives the same store";

    platform::SettingsRegistry registry(file, QSettings::IniFormat);
    const struct {
        const char *key;
        const char *name;
        const char *value;
    } rows[] = {
        {"Probe.UCHTest\\Clsid", "@", "{66C4CD8B-F059-46C3-9175-C472A592E62B}"},
        {"CLSID\\{66C4CD8B-F059-46C3-9175-C472A592E62B}\\InprocServer32", "@", "/opt/velmora/Probe.so"},
        {"CLSID\\{66C4CD8B-F059-46C3-9175-C472A592E62B}\\InprocServer32", "ThreadingModel", "Apartment"},
        {"CLSID\\{66C4CD8B-F059-46C3-9175-C472A592E62B}\\ToolboxBitmap32", "@", "/opt/velmora/Probe.so, 30000"},
        {"CLSID\\{66C4CD8B-F059-46C3-9175-C472A592E62B}\\MiscStatus\\1", "@", "131473"},
        {"CLSID\\{66C4CD8B-F059-46C3-9175-C472A592E62B}\\TypeLib", "@", "{16C84088-0A76-4914-8871-CD666BAEF769}"},
        {"TypeLib\\{16C84088-0A76-4914-8871-CD666BAEF769}\\1.0\\FLAGS", "@", "2"},
        {"Interface\\{550C4155-8E35-4D9D-8A22-00B97CA660DF}", "@", "__UCHTest"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.key);
        platform::Registry::Handle key = 0;
        ASSERT_EQ(registry.openKey(quint32(platform::RegistryRoot::ClassesRoot), QString::fromLatin1(row.key), key),
                  platform::RegistryStatus::Success);
        quint32 type = 0;
        QByteArray data;
        ASSERT_EQ(registry.queryValue(key, QString::fromLatin1(row.name), 1024, type, data),
                  platform::RegistryStatus::Success);
        EXPECT_EQ(QString::fromUtf8(data).remove(QChar(0)), QString::fromLatin1(row.value));
        registry.closeKey(key);
    }

    ASSERT_EQ(ClassStore::unregisterClass(Described), S_OK);
    QSettings after(file, QSettings::IniFormat);
    EXPECT_EQ(after.allKeys(), QStringList{"HKEY_CLASSES_ROOT/CLSID/{00000000-0000-0000-0000-0000000000AA}/@"});
    EXPECT_EQ(ClassStore::unregisterClass(Described), S_OK) << "nothing registered";

    // a store that cannot be written is an error, never success (root may write anywhere, but
    // not below a regular file)
    const QString blocker = dir.filePath(QStringLiteral("datei"));
    QFile(blocker).open(QIODevice::WriteOnly);
    qputenv("VELMORA_CLASS_STORE", (blocker + QStringLiteral("/Classes.ini")).toLocal8Bit());
    EXPECT_EQ(ClassStore::registerClass(Described, library), SELFREG_E_CLASS);
    qunsetenv("VELMORA_CLASS_STORE");
}

TEST(Guid, TextsAndResourceImagesOfTheIdentifiers)
{
    const struct {
        const char *text;
        const char *image;
    } rows[] = {
        {"{66C4CD8B-F059-46C3-9175-C472A592E62B}", "10 00 00 00 8B CD C4 66 59 F0 C3 46 91 75 C4 72 A5 92 E6 2B"},
        {"{3E9BB989-2914-43DF-AC3A-11386F62A4B7}", "10 00 00 00 89 B9 9B 3E 14 29 DF 43 AC 3A 11 38 6F 62 A4 B7"},
        {"{CE45A28A-F4A3-43DE-8A04-1D74DBCC8749}", "10 00 00 00 8A A2 45 CE A3 F4 DE 43 8A 04 1D 74 DB CC 87 49"},
        // "_IID_KLANG" and "_SRCIID_KLANG"
        {"{EAA35A6C-985F-49BE-A3F2-7E22FA154491}", "10 00 00 00 6C 5A A3 EA 5F 98 BE 49 A3 F2 7E 22 FA 15 44 91"},
        {"{FDE10681-A54E-4287-A17D-C6602F5AF26C}", "10 00 00 00 81 06 E1 FD 4E A5 87 42 A1 7D C6 60 2F 5A F2 6C"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        Guid g;
        ASSERT_TRUE(fromText(QString::fromLatin1(row.text).toLower(), g));
        EXPECT_EQ(toText(g), QString::fromLatin1(row.text));
        EXPECT_EQ(resourceImage(g), testing_support::hex(row.image));
    }
    Guid g;
    EXPECT_FALSE(fromText(QStringLiteral("66C4CD8B-F059-46C3-9175-C472A592E62B"), g));
    EXPECT_FALSE(fromText(QStringLiteral("{66C4CD8B-F059-46C3-9175-C472A592E62X}"), g));
}
