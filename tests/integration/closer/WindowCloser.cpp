#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMenu>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Clicks the buttons or menu items named in its argument ("Weiter ->|Testton") and says so,
// then closes the program's windows one by one, the modal one first, the way a window
// manager's close button does, and prints the monotonic time in microseconds at which the
// last one went.
class WindowCloser : public QObject {
public:
    explicit WindowCloser(const QString &clicks)
        : m_clicks(clicks.split(QLatin1Char('|'), Qt::SkipEmptyParts))
    {
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, [this] { step(); });
        m_poll.start();
    }

private:
    static QWindowList visibleWindows()
    {
        QWindowList open;
        for (QWindow *window : QGuiApplication::topLevelWindows())
            if (window->isVisible() && window->isExposed())
                open.append(window);
        return open;
    }

    static QAbstractButton *button(const QString &text)
    {
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *b = qobject_cast<QAbstractButton *>(widget); b && b->text() == text && b->isVisible() && b->isEnabled())
                return b;
        return nullptr;
    }

    // a menu item by its caption without the mnemonic's "&"
    static QAction *menuItem(const QString &text)
    {
        for (QWidget *widget : QApplication::allWidgets())
            for (QAction *action : widget->actions())
                if (action->isEnabled() && !action->menu() && action->text().remove(QLatin1Char('&')) == text)
                    return action;
        return nullptr;
    }

    void step()
    {
        // a click that plays a sound waits in an event loop of its own
        const int level = QThread::currentThread()->loopLevel();
        if (m_clickLevel >= 0 && level > m_clickLevel)
            return;
        const QWindowList open = visibleWindows();
        // give the program a moment to settle, as a user would
        if (open.isEmpty() || ++m_seen < 6)
            return;
        m_seen = 0;
        if (!m_clicks.isEmpty()) {
            // from the event loop, as a real click comes, not from inside this timer
            const QString text = m_clicks.constFirst();
            QAbstractButton *b = button(text);
            QAction *item = b ? nullptr : menuItem(text);
            if (b || item) {
                m_clicks.removeFirst();
                QMetaObject::invokeMethod(
                    this,
                    [this, text, target = QPointer<QAbstractButton>(b), action = QPointer<QAction>(item)] {
                        m_clickLevel = QThread::currentThread()->loopLevel();
                        if (!target && !action)
                            return;
                        std::printf("clicked %s\n", qPrintable(text));
                        std::fflush(stdout);
                        if (target)
                            target->click();
                        else
                            action->trigger();
                        m_clickLevel = -1;
                    },
                    Qt::QueuedConnection);
            }
            return;
        }
        QWindow *target = QGuiApplication::modalWindow() ? QGuiApplication::modalWindow() : open.constFirst();
        target->close();
        if (visibleWindows().isEmpty()) {
            m_poll.stop();
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("closed %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
        }
    }

    QStringList m_clicks;
    QTimer m_poll;
    int m_seen = 0;
    int m_clickLevel = -1;  // the event loop level a running click started from
};

class WindowCloserPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowCloser.json")
public:
    QObject *create(const QString &, const QString &argument) override { return new WindowCloser(argument); }
};

} // namespace

#include "WindowCloser.moc"
