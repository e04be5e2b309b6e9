#include "cli/Command.h"

#include <filesystem>
#include <iostream>

namespace Cli {

int Fail(const std::string& message) {
    std::cerr << message << '\n';
    return kExitFailure;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::string result = std::filesystem::absolute(path, ec).lexically_normal().string();
    while (result.size() > 1 && result.back() == '/') result.pop_back();
    return result;
}

}  // namespace Cli
