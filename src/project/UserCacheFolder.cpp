#include "project/UserCacheFolder.h"

#include <cstdlib>

std::filesystem::path UserCacheFolder(const std::string& name) {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/') {
        return std::filesystem::path(cache) / "reelwork" / name;
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".cache" / "reelwork" / name;
    }
    return {};
}
