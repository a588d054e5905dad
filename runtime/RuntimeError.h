// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

// The failures a handler can meet; the number is what the player is shown.
enum class ErrorNumber {
    Overflow = 1,
    InvalidPropertyValue = 2,
    PropertyAccessFailed = 3,
};

// Ends the running handler at once; whatever it had already changed stays changed.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorNumber number, const std::string& description);

    ErrorNumber number() const noexcept { return number_; }
    // Spanish, for the player.
    std::string description() const { return what(); }

private:
    ErrorNumber number_;
};

RuntimeError overflowError();
RuntimeError invalidPropertyValue(std::string_view control, std::string_view property);
RuntimeError propertyAccessFailed(std::string_view control, std::string_view property);

} // namespace runtime
