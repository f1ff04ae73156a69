#include "AudiometryTesting.h"

#include "audiometry/DialogPref.h"
#include "audiometry/DialogPref1.h"
#include "audiometry/DialogPref2.h"
#include "audiometry/FormMain.h"
#include "audiometry/LevelPlot.h"
#include "support/WaveBytes.h"

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace audiometry_testing {

namespace {
constexpr int WatchdogMs = 10000;
} // namespace

AudiometryTest::AudiometryTest()
{
    // whatever a test leaves open is closed, so the modal loop under test returns
    m_watchdog.setSingleShot(true);
    QObject::connect(&m_watchdog, &QTimer::timeout, [] {
        while (QWidget *page = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal page stayed open: " << page->windowTitle().toStdString();
            page->hide();
        }
    });
    m_watchdog.start(WatchdogMs);
}

AudiometryTest::~AudiometryTest()
{
    DialogPref2::unload();
    DialogPref1::unload();
    DialogPref::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void whenModal(std::function<void(QWidget *page)> step)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    // the poll holds itself only through a weak link, so it ends with its last timer
    std::weak_ptr<std::function<void()>> self = poll;
    *poll = [step = std::move(step), clock, self] {
        if (QWidget *page = QApplication::activeModalWidget()) {
            step(page);
            return;
        }
        if (clock->elapsed() > WatchdogMs) {
            ADD_FAILURE() << "no modal page appeared";
            return;
        }
        if (auto again = self.lock())
            QTimer::singleShot(1, [again] { (*again)(); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

ModalTexts textsOfModal(const std::function<void()> &open)
{
    ModalTexts seen;
    whenModal([&seen](QWidget *dialog) {
        seen.title = dialog->windowTitle();
        for (QLabel *label : dialog->findChildren<QLabel *>())
            seen.texts.append(label->text());
        dialog->close();
    });
    open();
    return seen;
}

QImage pageOverWindow(QWidget &window, QWidget &page)
{
    QImage picture = window.grab().toImage();
    const QImage inside = page.grab().toImage();
    const QPoint at = page.geometry().topLeft() - window.geometry().topLeft();
    QPainter painter(&picture);
    painter.fillRect(QRect(at - QPoint(1, 21), inside.size() + QSize(2, 22)), QColor(60, 60, 90));
    painter.setPen(Qt::white);
    painter.drawText(QRect(at - QPoint(-6, 20), QSize(inside.width(), 18)), Qt::AlignVCenter, page.windowTitle());
    painter.drawImage(at, inside);
    return picture;
}

std::vector<std::int16_t> channel(const QByteArray &file, int which)
{
    return testing_support::channelOf(file, which, 44);
}

std::uint32_t declaredDataBytes(const QByteArray &file)
{
    return testing_support::u32At(file, 40);
}

QStringList shownChildren(const QWidget &panel)
{
    QStringList names;
    for (QWidget *w : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            names.append(w->objectName());
    names.sort();
    return names;
}

QStringList captionsNotOpaque(QWidget &chart, const QStringList &texts)
{
    const QImage whole = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QList<QLabel *> labels = chart.findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    QStringList seeThrough;
    for (const QString &text : texts) {
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel *l) { return l->text() == text && !l->isHidden(); });
        if (found == labels.end()) {
            seeThrough.append(text);
            continue;
        }
        QLabel *caption = *found;
        // where the layout puts another caption over this one, that one is seen
        QRegion own(caption->geometry());
        for (QLabel *other : labels)
            if (other != caption && !other->isHidden())
                own -= other->geometry();
        const QImage alone = caption->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool differs = false;
        for (const QRect &r : own)
            for (int y = r.top(); y <= r.bottom() && !differs; ++y)
                for (int x = r.left(); x <= r.right() && !differs; ++x)
                    differs = whole.pixel(x, y) != alone.pixel(QPoint(x, y) - caption->pos());
        if (differs)
            seeThrough.append(text);
    }
    return seeThrough;
}

QStringList levelCaptionTexts()
{
    QStringList texts;
    for (const LevelPlot::AxisCaption &c : LevelPlot::LevelCaptions)
        texts.append(QString::fromUtf8(c.text));
    return texts;
}

} // namespace audiometry_testing
