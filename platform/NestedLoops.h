#pragma once

#include <functional>

// Handlers that wait (a tone playing, a message box) run other events meanwhile, a host's
// among them. What must not happen under a running handler, such as destroying its panel,
// waits until no such loop is left.
namespace platform::NestedLoops {

class Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;
};

// How many waits have begun so far: a handler that changed it has held the program.
unsigned long waitsBegun();
// Now when no loop runs, else once the outermost one has ended.
void whenOutside(std::function<void()> work);

} // namespace platform::NestedLoops
