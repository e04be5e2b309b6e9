#include "editing/UserSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "panelwick/Sys/FileSystem.h"

namespace {

constexpr size_t kLongestFile = 1 << 16;  // more is not a settings file of ours
constexpr int kLargestCoordinate = 100000;

bool ParseGeometry(std::string_view value, UserSettings::Geometry& g) {
    int maximized = 0;
    char tail = 0;
    const std::string text(value);
    if (std::sscanf(text.c_str(), "%d %d %d %d %d%c", &g.x, &g.y, &g.width, &g.height, &maximized,
                    &tail) != 5) {
        return false;
    }
    g.maximized = maximized != 0;
    const auto inRange = [](int v) { return v > -kLargestCoordinate && v < kLargestCoordinate; };
    return inRange(g.x) && inRange(g.y) && g.width > 0 && g.height > 0 &&
           g.width < kLargestCoordinate && g.height < kLargestCoordinate;
}

std::vector<int> ParseSplit(std::string_view value) {
    int monitor = 0, timeline = 0;
    char tail = 0;
    const std::string text(value);
    if (std::sscanf(text.c_str(), "%d %d%c", &monitor, &timeline, &tail) != 2) return {};
    const auto inRange = [](int v) { return v > 0 && v < kLargestCoordinate; };
    if (!inRange(monitor) || !inRange(timeline)) return {};
    return {monitor, timeline};
}

}  // namespace

std::string UserSettings::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/reelwork/settings";
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::string(home) + "/.config/reelwork/settings";
    return {};
}

UserSettings UserSettings::Load(const std::string& path) {
    std::string text;
    std::error_code error;
    if (path.empty() || std::filesystem::file_size(path, error) > kLongestFile || error ||
        !Sys::ReadWholeFile(path, text)) {
        return {};
    }
    return Parse(text);
}

UserSettings UserSettings::Parse(std::string_view text) {
    UserSettings settings;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "recent" && !value.empty() && settings.recent_.size() < kRecentCount) {
            settings.recent_.emplace_back(value);
        } else if (key == "geometry") {
            Geometry g;
            if (ParseGeometry(value, g)) settings.geometry = g;
        } else if (key == "direct-render") {
            settings.directRender = value == "1";
        } else if (key == "monitor-split") {
            settings.monitorSplit = ParseSplit(value);
        }
    }
    return settings;
}

std::string UserSettings::Text() const {
    std::string text;
    for (const std::string& path : recent_) text += "recent=" + path + "\n";
    if (geometry) {
        char line[96];
        std::snprintf(line, sizeof line, "geometry=%d %d %d %d %d\n", geometry->x, geometry->y,
                      geometry->width, geometry->height, geometry->maximized ? 1 : 0);
        text += line;
    }
    if (monitorSplit.size() == 2) {
        text += "monitor-split=" + std::to_string(monitorSplit[0]) + " " +
                std::to_string(monitorSplit[1]) + "\n";
    }
    if (directRender) text += "direct-render=1\n";
    return text;
}

Sys::Result UserSettings::Save(const std::string& path) const {
    if (path.empty()) return "No folder for the settings";
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const std::string temporary = path + ".saving";
    if (!Sys::WriteWholeFile(temporary, Text()) ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        Sys::DeleteFile(temporary);
        return "Unable to save the settings " + path;
    }
    return {};
}

void UserSettings::AddRecent(const std::string& path) {
    if (path.empty() || path.find('\n') != std::string::npos) return;
    RemoveRecent(path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > kRecentCount) recent_.resize(kRecentCount);
}

void UserSettings::RemoveRecent(const std::string& path) {
    std::erase(recent_, path);
}
