#include "WizardPages.h"

#include "platform/NestedLoops.h"
#include "platform/WindowPlacement.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace WizardPages {

namespace {

// `corner` is where the page's frame goes; without one a page nobody has placed yet opens
// over the middle of its owner.
void showModalAt(QWidget *page, QWidget *owner, std::optional<QPoint> corner)
{
    QPointer<QWidget> guard(page);
    page->setWindowModality(Qt::ApplicationModal);
    std::function<QPoint(QSize)> place;
    if (owner) {
        QWidget *ownerWindow = owner->window();
        page->winId();
        ownerWindow->winId();
        page->windowHandle()->setTransientParent(ownerWindow->windowHandle());
        if (!corner && !page->testAttribute(Qt::WA_Moved)) {
            // once the window manager has put the owner where it stays
            QElapsedTimer waited;
            waited.start();
            platform::NestedLoops::waitHoldingInput(
                [&] {
                    return !ownerWindow->isVisible() || ownerWindow->windowHandle()->isExposed()
                           || waited.elapsed() >= 500;
                },
                platform::NestedLoops::Timers::Run);
            page->adjustSize();
            place = [centre = ownerWindow->frameGeometry().center()](QSize frame) {
                return platform::centredOn(centre, frame);
            };
        }
    }
    if (corner)
        place = [at = *corner](QSize) { return at; };
    if (place)
        platform::showFramed(*page, place);
    else
        page->show();
    // the wait for the frame may have seen the page closed, or unloaded
    if (!guard)
        return;
    page->raise();
    page->activateWindow();
    // checked only between events, so a handler that hides a page and shows it again (or
    // shows the page before it) keeps the wizard running
    const platform::NestedLoops::Scope modal;
    QEventLoop loop;
    while (guard && guard->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

void showModal(QWidget *page, QWidget *owner)
{
    showModalAt(page, owner, std::nullopt);
}

// A page's pos() is its client corner until the window manager has framed it, so the pages
// hand over their frame's corner.
void forward(QWidget *current, QWidget *next)
{
    const QPoint corner = current->frameGeometry().topLeft();
    current->hide();
    showModalAt(next, current, corner);
}

void back(QWidget *current, QWidget *previous)
{
    const QPoint corner = current->frameGeometry().topLeft();
    current->hide();
    platform::showFramed(*previous, [corner](QSize) { return corner; });
}

} // namespace WizardPages
