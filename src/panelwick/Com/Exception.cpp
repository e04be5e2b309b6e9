#include "panelwick/Com/Exception.h"

#include <utility>

#include "panelwick/Com/ErrorTable.h"
#include "panelwick/Com/SystemMessage.h"

namespace Com {

Exception::Exception(HRESULT hr, std::string context, ExcepInfo excepInfo, int32_t argIndex)
    : hr_(hr),
      excepInfo_(std::move(excepInfo)),
      argIndex_(argIndex),
      context_(std::move(context)) {}

const std::string& Exception::Message() const {
    if (!built_) {
        message_ = BuildMessage();
        built_ = true;
    }
    return message_;
}

std::string Exception::BuildMessage() const {
    if (Succeeded(hr_)) return {};
    if (hr_ == DISP_E_EXCEPTION) {
        return context_ + " raised an exception\r\n\r\nSource: " + excepInfo_.source +
               "\r\nDescription: " + excepInfo_.description +
               "\r\nHelp File: " + excepInfo_.helpFile +
               "\r\nCode: " + std::to_string(excepInfo_.code) +
               "\r\nHelp Context: " + std::to_string(static_cast<int32_t>(excepInfo_.helpContext));
    }
    const char* system = SystemMessage(hr_);
    std::string text = context_ + "\r\n" + ErrorTableText(hr_);
    if (hr_ == DISP_E_TYPEMISMATCH || hr_ == DISP_E_PARAMNOTFOUND) {
        text += "\r\n\r\n";
        if (system != nullptr) text += std::string(system) + "\r\n";
        if (argIndex_ >= 0) return text + "Incorrect Parameter: " + std::to_string(argIndex_);
        const int64_t fromEnd = -static_cast<int64_t>(argIndex_) - 1;
        return text + "Incorrect Parameter (counting from the end): " + std::to_string(fromEnd);
    }
    if (system != nullptr) text += std::string("\r\n\r\n") + system;
    return text;
}

}  // namespace Com
