#pragma once

#include <exception>

namespace platform {

// Tells the user in a message box what went wrong: a file's name and reason for a FileError,
// the error's own text otherwise. The program then carries on.
void reportFailure(const std::exception &error);
// The default pointer again, then the failure told: a message never stands under the hourglass.
void restorePointerAndReport(const std::exception &error);

// The hourglass for as long as it lives; the default pointer again however the scope is left.
// An inactive one leaves the pointer alone, as a hosted control leaves it to its host.
class ScopedHourglass {
public:
    explicit ScopedHourglass(bool active = true);
    ~ScopedHourglass();
    ScopedHourglass(const ScopedHourglass &) = delete;
    ScopedHourglass &operator=(const ScopedHourglass &) = delete;

    // Ends the hourglass early to tell a failure.
    void endAndReport(const std::exception &error);

private:
    bool m_active;
};

} // namespace platform
