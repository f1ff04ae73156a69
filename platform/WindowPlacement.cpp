#include "WindowPlacement.h"

#include "NestedLoops.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <QWindow>

namespace platform {

void showFramed(QWidget &window, const std::function<QPoint(QSize frame)> &topLeft)
{
    // a first guess with the frame that Qt assumes, so the window does not open far away
    window.move(topLeft(window.frameGeometry().size()));
    window.show();
    // what runs meanwhile may close the window, or unload it
    const QPointer<QWidget> guard(&window);
    QElapsedTimer waited;
    waited.start();
    NestedLoops::waitHoldingInput(
        [&] {
            return !guard || !guard->isVisible() || !guard->windowHandle() || guard->windowHandle()->isExposed()
                   || waited.elapsed() >= 500;
        },
        NestedLoops::Timers::Run);
    // a top-level window's pos() is its frame's corner once the frame is known
    if (guard && guard->isVisible())
        guard->move(topLeft(guard->frameGeometry().size()));
}

QPoint centredOn(QPoint centre, QSize frame)
{
    return centre - QRect(QPoint(0, 0), frame).center();
}

} // namespace platform
