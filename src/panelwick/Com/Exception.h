#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Com/IDispatch.h"
#include "panelwick/Com/Types.h"

namespace Com {

// A failed automation call, thrown by value by Com::Object. It keeps the result code, what
// the server said about an exception it raised, the index of the faulty argument (negative:
// counted from the end) and the context the caller wrote; Message() turns them into the text
// shown to the user. It never leaves the automation layer and the page export.
class Exception {
public:
    Exception(HRESULT hr, std::string context, ExcepInfo excepInfo = {}, int32_t argIndex = 0);
    virtual ~Exception() = default;

    HRESULT hr() const { return hr_; }
    const ExcepInfo& excepInfo() const { return excepInfo_; }
    int32_t argIndex() const { return argIndex_; }
    const std::string& context() const { return context_; }

    // Built once, on first use; empty for a result code that is not a failure.
    const std::string& Message() const;

private:
    std::string BuildMessage() const;

    HRESULT hr_;
    ExcepInfo excepInfo_;
    int32_t argIndex_;
    std::string context_;
    mutable std::string message_;
    mutable bool built_ = false;
};

}  // namespace Com
