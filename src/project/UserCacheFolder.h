#pragma once

#include <filesystem>
#include <string>

// $XDG_CACHE_HOME/reelwork/<name> (an absolute XDG_CACHE_HOME only), else
// ~/.cache/reelwork/<name>; empty without either, which leaves a cache switched off.
std::filesystem::path UserCacheFolder(const std::string& name);
