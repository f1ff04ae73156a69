#include "NestedLoops.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <vector>

namespace platform::NestedLoops {

namespace {
int g_depth = 0;
unsigned long g_begun = 0;
std::vector<std::function<void()>> &pending()
{
    static std::vector<std::function<void()>> work;
    return work;
}
} // namespace

Scope::Scope()
{
    ++g_depth;
    ++g_begun;
}

Scope::~Scope()
{
    if (--g_depth > 0)
        return;
    std::vector<std::function<void()>> due;
    due.swap(pending());
    for (auto &work : due)
        work();
}

void waitHoldingInput(const std::function<bool()> &finished, Timers timers)
{
    {
        const Scope waiting;
        QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeUserInputEvents;
        if (timers == Timers::Hold)
            flags |= QEventLoop::X11ExcludeTimers;
        while (!finished())
            QCoreApplication::processEvents(flags);
    }
    // Qt 6.4's xcb plugin sets the input it read meanwhile aside where the event loop does not
    // count it as pending, so the loop would sleep until some new X event came: a release made
    // during a tone would then leave a held arrow repeating, tone after tone
    // (Programs/OneGesture.IsHandledAsTheToneEndsWithNoFurtherInput, ctest
    // integration.input_during_tone, shows it)
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

unsigned long waitsBegun()
{
    return g_begun;
}

void whenOutside(std::function<void()> work)
{
    if (g_depth == 0)
        work();
    else
        pending().push_back(std::move(work));
}

} // namespace platform::NestedLoops
