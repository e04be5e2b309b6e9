#include "panelwick/Sys/SystemError.h"

#include <system_error>

namespace Sys {

std::string WithSystemReason(const std::string& text, int error) {
    if (error == 0) return text;
    return text + "\n" + std::generic_category().message(error);
}

}  // namespace Sys
