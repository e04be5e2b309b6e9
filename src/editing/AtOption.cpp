#include "editing/AtOption.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

bool ParseSeconds(const std::string& text, int64_t& ms) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(seconds) || seconds < 0 || seconds > 4.0e6) return false;
    ms = std::llround(seconds * 1000.0);
    return true;
}

}  // namespace

AtOption TakeAtOption(std::vector<std::string>& args) {
    AtOption option;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string value;
        size_t taken = 1;
        if (args[i] == "--at") {
            if (i + 1 < args.size()) value = args[i + 1];
            taken = i + 1 < args.size() ? 2 : 1;
        } else if (args[i].rfind("--at=", 0) == 0) {
            value = args[i].substr(5);
        } else {
            continue;
        }
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i + taken));
        if (!ParseSeconds(value, option.ms)) {
            option.ms = -1;
            option.error = "--at needs a time in seconds, such as --at 2.5";
        }
        return option;
    }
    return option;
}
