#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panelwick/Sys/Result.h"

// What the desktop program keeps per user between runs, in the XDG config folder: the
// recently opened projects, the main window's place and its monitor's share. One "key=value" line each.
class UserSettings {
public:
    static constexpr size_t kRecentCount = 10;

    struct Geometry {
        int x = 0, y = 0, width = 0, height = 0;
        bool maximized = false;
    };

    // $XDG_CONFIG_HOME/reelwork/settings, or ~/.config/reelwork/settings; empty without either.
    static std::string DefaultPath();
    // Reads what it understands and skips the rest; a missing or unreadable file gives none.
    static UserSettings Load(const std::string& path);
    static UserSettings Parse(std::string_view text);
    std::string Text() const;
    // Creates the folder and replaces the file whole.
    Sys::Result Save(const std::string& path) const;

    const std::vector<std::string>& recentProjects() const { return recent_; }
    // Puts a project first in the recent list, at most kRecentCount long.
    void AddRecent(const std::string& path);
    void RemoveRecent(const std::string& path);

    std::optional<Geometry> geometry;
    // The heights of the monitor and the timeline below it; empty until the user moves them.
    std::vector<int> monitorSplit;
    // Create Movie streams its frames to the encoder instead of writing frame files.
    bool directRender = false;

private:
    std::vector<std::string> recent_;
};
