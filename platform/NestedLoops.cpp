#include "NestedLoops.h"

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
