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

// Runs the window system's other events (repaints among them) until `finished` says so,
// holding user input back, and timers too where asked: as a single-threaded program that is
// busy. The held input is then handled next, in order, without waiting for further input.
enum class Timers { Run, Hold };
void waitHoldingInput(const std::function<bool()> &finished, Timers timers);

// How many waits have begun so far: a handler that changed it has held the program.
unsigned long waitsBegun();
// Now when no loop runs, else once the outermost one has ended.
void whenOutside(std::function<void()> work);

} // namespace platform::NestedLoops
