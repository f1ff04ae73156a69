#pragma once

#include <stdexcept>

namespace platform {

// A control refused a value, as the forms runtime's "invalid property value" does.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
