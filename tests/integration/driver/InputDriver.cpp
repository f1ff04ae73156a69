#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

// Answers a test's questions about the program it is loaded into, one line on stdin each, on
// the program's own thread. Questions are posted events, so they are answered even while a
// tone plays; "idle" is answered from a timer, which waits until nothing holds the program.
// The test makes its clicks and keys through the X server, never through this plugin.
class InputDriver : public QObject {
public:
    InputDriver()
    {
        qApp->installEventFilter(this);
        // plain read(2): a stdio read would hold stdin's lock, and the program's fflush(nullptr)
        // at its end would wait for it
        std::thread([this] {
            std::string pending;
            char buffer[256];
            for (ssize_t n; (n = ::read(0, buffer, sizeof buffer)) > 0;) {
                pending.append(buffer, std::size_t(n));
                for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
                    QMetaObject::invokeMethod(
                        this, [this, command = QString::fromStdString(pending.substr(0, end))] { answer(command); },
                        Qt::QueuedConnection);
            }
        }).detach();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched)) {
            ++m_boxes;
            m_lastBox = static_cast<QMessageBox *>(watched)->text();
        }
        return false;
    }

private:
    static QWidget *widget(const QString &name)
    {
        // "WINDOW TITLE/Class/N": the Nth shown widget of that class in that window, for
        // controls that carry no name of their own
        if (const QStringList path = name.split(u'/'); path.size() == 3) {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (!top->isVisible() || top->windowTitle() != path[0])
                    continue;
                int n = path[2].toInt();
                for (QWidget *w : top->findChildren<QWidget *>())
                    if (w->inherits(path[1].toLatin1().constData()) && w->isVisible() && --n == 0)
                        return w;
            }
            return nullptr;
        }
        QWidget *byText = nullptr;
        for (QWidget *w : QApplication::allWidgets()) {
            if (w->objectName() == name)
                return w;
            if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->text() == name && b->isVisible())
                byText = b;
        }
        return byText;
    }

    static QScrollBar *scrollBar(const QString &name)
    {
        QWidget *w = widget(name);
        auto *bar = qobject_cast<QScrollBar *>(w);
        return bar || !w ? bar : w->findChild<QScrollBar *>();
    }

    static void say(const QString &text)
    {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    }

    void answer(const QString &command)
    {
        const QString verb = command.section(u' ', 0, 0);
        const QString rest = command.section(u' ', 1);
        if (verb == u"idle") {
            // a real timer: a zero one would come as a posted event, answered during a tone
            QTimer::singleShot(5, this, [] { say(QStringLiteral("idle")); });
        } else if (verb == u"rect") {
            // the name may hold spaces ("Weiter ->")
            QWidget *w = widget(rest);
            // only once the server shows the window: a click before that would go elsewhere
            QWindow *shown = w ? w->window()->windowHandle() : nullptr;
            if (!shown || !shown->isExposed()) {
                say(QStringLiteral("rect none"));
                return;
            }
            const QPoint at = w->mapToGlobal(QPoint(0, 0));
            say(QStringLiteral("rect %1 %2 %3 %4").arg(at.x()).arg(at.y()).arg(w->width()).arg(w->height()));
        } else if (verb == u"value") {
            QScrollBar *bar = scrollBar(rest);
            say(bar ? QStringLiteral("value %1").arg(bar->value()) : QStringLiteral("value none"));
        } else if (verb == u"state") {
            QStringList windows;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    windows << QString(w->windowTitle()).replace(u' ', u'_');
            say(QStringLiteral("state cursor=%1 boxes=%2 box=%3 windows=%4")
                    .arg(QGuiApplication::overrideCursor() ? 1 : 0)
                    .arg(m_boxes)
                    .arg(QString(m_lastBox).replace(u'\n', u' ').replace(u' ', u'_'))
                    .arg(windows.join(u'|')));
        } else if (verb == u"step") {
            // a keyboard step of the bar: answered once its handler has returned
            if (QScrollBar *bar = scrollBar(rest.section(u' ', 0, 0)))
                bar->triggerAction(command.endsWith(QLatin1String(" page")) ? QAbstractSlider::SliderPageStepSub
                                                                            : QAbstractSlider::SliderSingleStepSub);
            say(QStringLiteral("stepped"));
        } else if (verb == u"set") {
            // "set NAME VALUE": a bar's value, as a program's own assignment would set it
            QScrollBar *bar = scrollBar(rest.section(u' ', 0, -2));
            if (bar)
                bar->setValue(rest.section(u' ', -1).toInt());
            say(bar ? QStringLiteral("set") : QStringLiteral("set none"));
        } else if (verb == u"menu") {
            // posted: a command that opens a modal page would not return before the page closes
            QAction *found = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                for (QAction *a : w->findChildren<QAction *>())
                    if (QString(a->text()).remove(u'&') == rest)
                        found = a;
            if (found)
                QTimer::singleShot(0, found, &QAction::trigger);
            say(found ? QStringLiteral("menu") : QStringLiteral("menu none"));
        } else if (verb == u"click") {
            if (auto *b = qobject_cast<QAbstractButton *>(widget(rest)))
                b->click();
            say(QStringLiteral("clicked"));
        } else if (verb == u"grab") {
            QWidget *w = widget(rest.section(u' ', 0, 0));
            say(w && w->grab().save(rest.section(u' ', 1)) ? QStringLiteral("grabbed") : QStringLiteral("grab none"));
        } else if (verb == u"close") {
            for (QWindow *w : QGuiApplication::topLevelWindows())
                if (w->isVisible())
                    w->close();
            QTimer::singleShot(0, [] { say(QStringLiteral("closing")); });
        }
    }

    int m_boxes = 0;
    QString m_lastBox;
};

class InputDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "InputDriver.json")
public:
    QObject *create(const QString &, const QString &) override { return new InputDriver; }
};

} // namespace

#include "InputDriver.moc"
