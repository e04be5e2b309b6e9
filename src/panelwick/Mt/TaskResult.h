#pragma once

#include <string>
#include <utility>

#include "panelwick/Sys/Result.h"

namespace Mt {

// How a job ended: done, failed with a message (and, when an outside program failed, what it
// printed last), or stopped by a cancel request.
class [[nodiscard]] TaskResult {
public:
    enum class Status { Done, Failed, Stopped };

    TaskResult() = default;
    // A routine's result: done when it is empty, failed with its message otherwise.
    TaskResult(const Sys::Result& result)
        : status_(result.ok() ? Status::Done : Status::Failed), message_(result.message()) {}
    TaskResult(const char* message) : TaskResult(Sys::Result(message)) {}

    static TaskResult Failed(std::string message, std::string detail = {}) {
        TaskResult result;
        result.status_ = Status::Failed;
        result.message_ = std::move(message);
        result.detail_ = std::move(detail);
        return result;
    }
    static TaskResult Stopped() {
        TaskResult result;
        result.status_ = Status::Stopped;
        return result;
    }

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Done; }
    bool failed() const { return status_ == Status::Failed; }
    bool stopped() const { return status_ == Status::Stopped; }
    const std::string& message() const { return message_; }
    const std::string& detail() const { return detail_; }
    // The message, then the detail after a blank line when there is one.
    std::string FullText() const {
        return detail_.empty() ? message_ : message_ + "\n\n" + detail_;
    }

private:
    Status status_ = Status::Done;
    std::string message_;
    std::string detail_;
};

}  // namespace Mt
