#pragma once

#include <string>
#include <utility>

namespace Sys {

// The outcome of an operation that can fail: success, or the message text that says why not.
// Messages are UTF-8 and are shown to the user exactly as they stand.
class [[nodiscard]] Result {
public:
    Result() = default;
    Result(std::string message) : message_(std::move(message)) {}
    Result(const char* message) : message_(message) {}

    static Result Ok() { return {}; }

    bool ok() const { return message_.empty(); }
    bool failed() const { return !message_.empty(); }
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

}  // namespace Sys
