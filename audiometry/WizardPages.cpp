#include "WizardPages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace WizardPages {

void showModal(QWidget *page, QWidget *owner)
{
    QPointer<QWidget> guard(page);
    page->setWindowModality(Qt::ApplicationModal);
    if (owner) {
        QWidget *ownerWindow = owner->window();
        page->winId();
        ownerWindow->winId();
        page->windowHandle()->setTransientParent(ownerWindow->windowHandle());
        // a page nobody has placed yet opens over the middle of its owner, once the window
        // manager has put the owner where it stays
        if (!page->testAttribute(Qt::WA_Moved)) {
            QElapsedTimer waited;
            waited.start();
            while (ownerWindow->isVisible() && !ownerWindow->windowHandle()->isExposed() && waited.elapsed() < 500)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
            page->adjustSize();
            page->move(ownerWindow->geometry().center() - page->rect().center());
        }
    }
    page->show();
    page->raise();
    page->activateWindow();
    // checked only between events, so a handler that hides a page and shows it again (or
    // shows the page before it) keeps the wizard running
    QEventLoop loop;
    while (guard && guard->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void forward(QWidget *current, QWidget *next)
{
    next->move(current->pos());
    current->hide();
    showModal(next, current);
}

void back(QWidget *current, QWidget *previous)
{
    previous->move(current->pos());
    current->hide();
    previous->show();
}

} // namespace WizardPages
