#include "common/ModBrowse.h"
#include "common/frmAbout.h"
#include "support/RecordingServices.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

ProgramInfo limbra()
{
    ProgramInfo info;
    info.title = QStringLiteral("Davazidizid");
    info.major = 2;
    info.minor = 2;
    info.revision = 4;
    return info;
}

QIcon drawnIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(30, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(2, 2, 28, 28);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawArc(8, 8, 16, 16, 30 * 16, 120 * 16);
    return QIcon(pixmap);
}

template <typename T>
T *control(const frmAbout &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(frmAbout, LoadShowsTitleVersionAndContactText)
{
    const frmAbout dialog(limbra());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Davazidizid-Info"));
    EXPECT_EQ(control<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Davazidizid"));
    EXPECT_EQ(control<QLabel>(dialog, "lblVersion")->text(), QStringLiteral("Version 2.2.4"));
    EXPECT_EQ(control<QLabel>(dialog, "Label1")->text(), frmAbout::ContactText());
    EXPECT_EQ(control<QLabel>(dialog, "lblDisclaimer")->text(), QString());
    EXPECT_EQ(control<QPushButton>(dialog, "cmdOK")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdSysInfo")->text(), QStringLiteral("&System-Info..."));
    EXPECT_NE(control<QFrame>(dialog, "Line1"), nullptr);
}

TEST(frmAbout, VersionIsShownWithoutLeadingZerosOrGrouping)
{
    struct Row {
        const char *name;
        int major, minor, revision;
        const char *shown;
    };
    const Row rows[] = {
        {"version 2.02.0003", 2, 2, 3, "Version 2.2.3"},
        {"a first release", 1, 0, 0, "Version 1.0.0"},
        {"two-digit numbers keep their zeros", 10, 20, 30, "Version 10.20.30"},
        {"a revision in the thousands", 3, 1, 1234, "Version 3.1.1234"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ProgramInfo info = limbra();
        info.major = row.major;
        info.minor = row.minor;
        info.revision = row.revision;
        const frmAbout dialog(info);
        EXPECT_EQ(control<QLabel>(dialog, "lblVersion")->text(), QString::fromLatin1(row.shown));
    }
}

TEST(frmAbout, ContactLinesAreJoinedByCarriageReturnsAndShownOnLinesOfTheirOwn)
{
    const QStringList lines = frmAbout::ContactText().split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Velmora – Lehrprogramme zu Hören und Akustik"));
    EXPECT_EQ(lines[2], ModBrowse::SuiteWebPage);
    EXPECT_FALSE(frmAbout::ContactText().contains(QLatin1Char('\n')));

    frmAbout dialog(limbra());
    dialog.show();
    const QLabel *label = control<QLabel>(dialog, "Label1");
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->height(), 3 * metrics.height()) << "each line gets a line of its own";
    EXPECT_LT(label->width(), metrics.horizontalAdvance(frmAbout::ContactText()))
        << "the lines do not run on as one";
}

TEST(frmAbout, ShowsTheProgramsIconOrNoneAtAll)
{
    ProgramInfo info = limbra();
    info.icon = drawnIcon();
    frmAbout withIcon(info);
    const QLabel *picture = control<QLabel>(withIcon, "picIcon");
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_FALSE(picture->isHidden());

    ASSERT_TRUE(QApplication::windowIcon().isNull());
    const frmAbout withoutIcon(limbra());
    EXPECT_TRUE(control<QLabel>(withoutIcon, "picIcon")->isHidden());
}

TEST(frmAbout, OkClosesTheDialog)
{
    frmAbout dialog(limbra());
    dialog.show();
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(frmAbout, SystemInfoButtonReportsAMachineWithoutTheProgram)
{
    RecordingServices recorder;
    platform::ScopedServices scope(recorder);
    frmAbout dialog(limbra());
    control<QPushButton>(dialog, "cmdSysInfo")->click();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("System-Informationen sind augenblicklich nicht verfügbar."));
    EXPECT_TRUE(recorder.startedPrograms.isEmpty());
}

TEST(frmAbout, ShowModalBlocksOverItsOwnerUntilClosed)
{
    QWidget owner;
    owner.show();
    QWidget *seenParent = nullptr;
    bool seenModal = false;
    QString seenTitle;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seenParent = modal->parentWidget();
        seenModal = modal->isModal();
        seenTitle = modal->windowTitle();
        if (auto *ok = modal->findChild<QPushButton *>(QStringLiteral("cmdOK")))
            ok->click();
    });
    frmAbout::showModal(&owner, limbra());
    EXPECT_EQ(seenParent, &owner);
    EXPECT_TRUE(seenModal);
    EXPECT_EQ(seenTitle, QStringLiteral("Davazidizid-Info"));
}

TEST(frmAbout, RendersAsAWindow)
{
    ProgramInfo info = limbra();
    info.icon = drawnIcon();
    frmAbout dialog(info);
    dialog.show();
    const QImage image = dialog.grab().toImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VELMORA_SCREENSHOT_DIR)));
    EXPECT_TRUE(image.save(QStringLiteral(VELMORA_SCREENSHOT_DIR "/about.png")));

    // every control lies inside the window and none covers another
    const QList<QWidget *> controls = {control<QLabel>(dialog, "picIcon"), control<QLabel>(dialog, "lblTitle"),
                                       control<QLabel>(dialog, "lblVersion"), control<QLabel>(dialog, "Label1"),
                                       control<QPushButton>(dialog, "cmdOK"), control<QPushButton>(dialog, "cmdSysInfo")};
    for (QWidget *a : controls) {
        EXPECT_TRUE(dialog.rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QWidget *b : controls) {
            if (a == b)
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " / " << b->objectName().toStdString();
        }
    }
    // text was drawn: the label area holds more than its background colour
    const QRect textArea = control<QLabel>(dialog, "Label1")->geometry();
    const QRgb background = image.pixel(textArea.topLeft());
    int inked = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y)
        for (int x = textArea.left(); x <= textArea.right(); ++x)
            inked += image.pixel(x, y) != background;
    EXPECT_GT(inked, 100);
}
