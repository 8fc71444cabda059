#pragma once

#include <stdexcept>
#include <string>

// Error 380, "Invalid property value": raised by the Fader's setters for a value they
// do not accept, and by its load for a stored value that no fade could work with.
struct InvalidPropertyValue final : std::runtime_error {
    static constexpr int errorNumber = 380;

    explicit InvalidPropertyValue(const std::string& detail = {})
        : std::runtime_error(detail.empty() ? "Invalid property value" : "Invalid property value: " + detail)
    {
    }

    int number = errorNumber;
};
