#include "common/ModBrowse.h"
#include "support/RecordingServices.h"

#include <QUrl>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace testing_support;
using platform::MousePointer;

TEST(OpenWebPage, HandsTheAddressOverUnchanged)
{
    const QString addresses[] = {
        ModBrowse::SuiteWebPage,
        QStringLiteral("https://velmora.example/velmora/hilfe.html#kapitel-2"),
        QStringLiteral("https://velmora.example/velmora/suche?begriff=H%C3%B6rschwelle&seite=2"),
        QStringLiteral("file:///usr/share/doc/velmora/index.html"),
    };
    for (const QString &address : addresses) {
        SCOPED_TRACE(address.toStdString());
        RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        ModBrowse::OpenWebPage(nullptr, address);
        ASSERT_EQ(recorder.openedUrls.size(), 1);
        EXPECT_EQ(recorder.openedUrls[0].toString(QUrl::FullyEncoded), address);
        EXPECT_TRUE(recorder.startedPrograms.isEmpty()) << "never through a command line";
    }
}

TEST(OpenWebPage, SuitePageLiesOnAReservedExampleHost)
{
    const QUrl page(ModBrowse::SuiteWebPage);
    EXPECT_TRUE(page.isValid());
    EXPECT_EQ(page.scheme(), QStringLiteral("https"));
    EXPECT_EQ(page.host(), QStringLiteral("velmora.example"));
    EXPECT_EQ(page.path(), QStringLiteral("/velmora/index.html"));
}

TEST(OpenWebPage, ShowsTheHourglassDuringTheHandOverAndNamesTheAddressWhenNothingTookIt)
{
    enum class Outcome { Accepted, NoBrowser, HandOverFails };
    struct Row {
        const char *name;
        Outcome outcome;
    };
    const Row rows[] = {
        {"a browser takes the page", Outcome::Accepted},
        {"no browser takes the page", Outcome::NoBrowser},
        {"the hand-over breaks down", Outcome::HandOverFails},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingServices recorder;
        platform::ScopedServices scope(recorder);
        recorder.openUrlResult = row.outcome != Outcome::NoBrowser;
        QList<MousePointer> duringHandOver;
        recorder.onOpenUrl = [&] {
            duringHandOver = recorder.pointerChanges;
            if (row.outcome == Outcome::HandOverFails)
                throw std::runtime_error("no desktop");
        };
        QList<MousePointer> whenTold;
        recorder.onMessageBox = [&] { whenTold = recorder.pointerChanges; };
        const QString address = QStringLiteral("https://velmora.example/velmora/hilfe.html");
        EXPECT_NO_THROW(ModBrowse::OpenWebPage(nullptr, address));
        EXPECT_EQ(duringHandOver, QList<MousePointer>{MousePointer::Hourglass});
        EXPECT_EQ(recorder.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
        if (row.outcome == Outcome::Accepted) {
            EXPECT_TRUE(recorder.messages.isEmpty());
            continue;
        }
        ASSERT_EQ(recorder.messages.size(), 1);
        const platform::MessageBoxRequest &told = recorder.messages[0];
        EXPECT_EQ(told.text, QStringLiteral("Die Seite konnte nicht geöffnet werden, weil kein Browser gefunden wurde.\n\n"
                                            "Bitte öffnen Sie die folgende Adresse von Hand:\n"
                                            "https://velmora.example/velmora/hilfe.html"));
        EXPECT_EQ(told.title, QString()) << "the program's title";
        EXPECT_EQ(told.icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(told.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(whenTold, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}))
            << "the pointer is back before the user reads the message";
    }
}
