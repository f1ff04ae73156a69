#include "AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref1.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/WizardPages.h"
#include "platform/ScrollBar.h"
#include "platform/TempFiles.h"
#include "platform/TextBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace audiometry_testing;
using platform::MousePointer;

namespace {

class Wizard : public AudiometryTest {
protected:
    static int visiblePages()
    {
        return int(DialogPref::instance().isVisible()) + int(DialogPref1::instance().isVisible())
            + int(DialogPref2::instance().isVisible());
    }
    // The output slider to the position of an output amplitude.
    static void setAmpValue(std::int32_t amp) { DialogPref::instance().HScroll1->setValue(amp - 16383); }
};

} // namespace

TEST_F(Wizard, OutputReadOutInWholePercent)
{
    DialogPref &page = DialogPref::instance();
    EXPECT_EQ(page.AmpValue, 16384);
    EXPECT_EQ(page.Text1->text(), "50%");
    EXPECT_TRUE(services.mciWrites.isEmpty()) << "loading plays nothing";
    struct Row {
        const char *name;
        QAbstractSlider::SliderAction action;
        std::int32_t amp;
        const char *text;
        int peak;
    };
    const Row rows[] = {
        {"left end: silence", QAbstractSlider::SliderToMinimum, 0, "0%", 0},
        {"one arrow step", QAbstractSlider::SliderSingleStepAdd, 328, "1%", 328},
        {"right end", QAbstractSlider::SliderToMaximum, 32767, "99%", 32767},
        {"track click back", QAbstractSlider::SliderPageStepSub, 32767 - 3280, "89%", 32767 - 3280},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto tones = services.playedFiles.size();
        page.HScroll1->userAction(row.action);
        EXPECT_EQ(page.AmpValue, row.amp);
        EXPECT_EQ(page.Text1->text(), row.text);
        ASSERT_EQ(services.playedFiles.size(), tones + 1);
        EXPECT_EQ(peak(channel(services.playedFiles.last(), 0)), row.peak);
    }
}

TEST_F(Wizard, ReferenceToneIsAmpValueOver512TiesToEven)
{
    struct Row {
        std::int32_t amp;
        int expected;
    };
    for (const Row row : {Row{16384, 32}, Row{16640, 32}, Row{16896, 33}, Row{0, 0}, Row{32767, 64}}) {
        SCOPED_TRACE(row.amp);
        setAmpValue(row.amp);
        DialogPref1::instance().Command1->click();
        EXPECT_EQ(peak(channel(services.playedFiles.last(), 0)), row.expected);
        EXPECT_EQ(peak(channel(services.playedFiles.last(), 1)), row.expected);
    }
}

TEST_F(Wizard, FineSliderSetsTestValue)
{
    DialogPref2 &page = DialogPref2::instance();
    EXPECT_EQ(page.TestValue, 32) << "loading computes it from the design values";
    struct Row {
        std::int32_t amp;
        int slider;
        std::int32_t testValue;
    };
    // 16960 / 512 / 1.25 = 26.5 and 17600 / 512 / 1.25 = 27.5: ties to even
    for (const Row row : {Row{16384, 150, 21}, Row{16384, 200, 16}, Row{16960, 125, 26}, Row{17600, 150, 23},
                          Row{17600, 125, 28}, Row{16384, 100, 32}}) {
        SCOPED_TRACE(::testing::Message() << row.amp << " at " << row.slider);
        setAmpValue(row.amp);
        page.HScroll1->setValue(row.slider);
        EXPECT_EQ(page.TestValue, row.testValue);
        EXPECT_EQ(peak(channel(services.playedFiles.last(), 1)), row.testValue);
    }
    // further right is louder
    page.HScroll1->userAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(page.HScroll1->value(), 200);
    EXPECT_EQ(page.TestValue, 16);
}

TEST_F(Wizard, EachPagePlaysItsToneAndClosesTheDevice)
{
    struct Row {
        const char *name;
        std::function<void()> play;
        std::uint32_t declared;
        int amplitude;
    };
    const Row rows[] = {
        {"output slider", [] { DialogPref::instance().HScroll1->userAction(QAbstractSlider::SliderSingleStepSub); },
         88200, 16384 - 328},
        // 16056 / 512 = 31.36
        {"Testton", [] { DialogPref1::instance().Command1->click(); }, 264600, 31},
        {"fine slider", [] { DialogPref2::instance().HScroll1->userAction(QAbstractSlider::SliderSingleStepSub); },
         88200, 31},  // 31.36 / 1.01
    };
    const QString path = platform::soundFilePath();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        services.mciWrites.clear();
        services.pointerChanges.clear();
        services.playedFiles.clear();
        bool fileWhilePlaying = false;
        services.onSound = [&] { fileWhilePlaying = QFile::exists(path); };
        row.play();

        EXPECT_EQ(services.mciLog(),
                  (QStringList{"FileName=" + path, "Flag1=false", "Flag2=true", "Command=Sound", "Command=Close"}));
        EXPECT_EQ(services.mciWrites.first().control, "MMControl2");
        EXPECT_EQ(services.pointerChanges, (QList<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
        ASSERT_EQ(services.playedFiles.size(), 1);
        const QByteArray &file = services.playedFiles.first();
        EXPECT_EQ(declaredDataBytes(file), row.declared);
        EXPECT_EQ(file.size(), 44 + 352800);
        const auto left = channel(file, 0);
        EXPECT_EQ(left, channel(file, 1));
        EXPECT_EQ(peak(left), row.amplitude);
        // 1000 Hz: the crest a quarter period in, the trough three quarters in
        EXPECT_NEAR(left[10], row.amplitude, 1);
        EXPECT_NEAR(left[32], -row.amplitude, 1);
        EXPECT_TRUE(fileWhilePlaying);
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(Wizard, PagesFollowOneAnotherInOnePlaceAndBackDoesNotRecompute)
{
    DialogPref2::instance().TestValue = 32;
    setAmpValue(20000);
    DialogPref::instance().move(200, 150);
    QList<QPoint> places;
    QList<int> visible;
    QStringList seen;
    auto note = [&](QWidget *page) {
        seen.append(page->windowTitle());
        places.append(page->pos());
        visible.append(visiblePages());
    };
    whenModal([&](QWidget *page) {
        note(page);
        whenModal([&](QWidget *page) {
            note(page);
            whenModal([&](QWidget *page) {
                note(page);
                whenModal([&](QWidget *page) {
                    note(page);
                    whenModal([&](QWidget *page) {
                        note(page);
                        EXPECT_EQ(DialogPref2::instance().TestValue, 32);
                        DialogPref2::instance().OKButton->click();
                    });
                    DialogPref1::instance().OKButton->click();
                });
                DialogPref2::instance().CancelButton->click();
            });
            DialogPref1::instance().OKButton->click();
        });
        DialogPref::instance().OKButton->click();
    });
    WizardPages::showModal(&DialogPref::instance(), nullptr);

    EXPECT_EQ(seen, (QStringList{"Voreinstellungen - Lautstärke", "Voreinstellungen - Einpegeln",
                                 "Voreinstellungen - Feinabstimmung", "Voreinstellungen - Einpegeln",
                                 "Voreinstellungen - Feinabstimmung"}));
    EXPECT_EQ(visible, (QList<int>{1, 1, 1, 1, 1}));
    for (const QPoint &place : places)
        EXPECT_EQ(place, QPoint(200, 150));
    // the wizard has ended: every page hidden, none unloaded, nothing recomputed
    EXPECT_EQ(visiblePages(), 0);
    EXPECT_TRUE(DialogPref::isLoaded() && DialogPref1::isLoaded() && DialogPref2::isLoaded());
    EXPECT_EQ(DialogPref2::instance().TestValue, 32);
    EXPECT_EQ(DialogPref::instance().AmpValue, 20000);
}

TEST_F(Wizard, AbbrechenUnloadsTheFirstPageSoTheNextOpeningStartsAfresh)
{
    setAmpValue(30000);
    DialogPref2::instance().HScroll1->setValue(150);
    whenModal([](QWidget *page) {
        EXPECT_EQ(page, &DialogPref::instance());
        DialogPref::instance().CancelButton->click();
    });
    WizardPages::showModal(&DialogPref::instance(), nullptr);

    EXPECT_FALSE(DialogPref::isLoaded());
    EXPECT_EQ(DialogPref2::instance().TestValue, 39) << "the last page keeps its value";
    EXPECT_EQ(DialogPref::instance().AmpValue, 16384);
    EXPECT_EQ(DialogPref::instance().Text1->text(), "50%");
}

TEST_F(Wizard, EscapeActsAsTheCancelButton)
{
    whenModal([](QWidget *page) {
        whenModal([](QWidget *page) {
            EXPECT_EQ(page, &DialogPref1::instance());
            whenModal([](QWidget *page) {
                EXPECT_EQ(page, &DialogPref::instance()) << "back on the first page";
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(page, &escape);
            });
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(page, &escape);
        });
        static_cast<DialogPref *>(page)->OKButton->click();
    });
    WizardPages::showModal(&DialogPref::instance(), nullptr);
    EXPECT_FALSE(DialogPref::isLoaded());
}
