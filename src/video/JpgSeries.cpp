#include "video/JpgSeries.h"

#include <algorithm>
#include <cstdio>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FileSystem.h"

Sys::Result JpgSeries::From(const std::string& imagePath) {
    if (!Sys::FolderOf(imagePath, folder)) return "Please provide a valid path";
    std::string title;
    if (!Sys::FileTitle(imagePath, title)) return "Please provide a valid path";
    size_t digits = 0;
    while (digits < title.size() && title[title.size() - 1 - digits] >= '0' &&
           title[title.size() - 1 - digits] <= '9') {
        ++digits;
    }
    const std::string prefix = title.substr(0, std::min<size_t>(title.size() - digits, 511));
    char width[32];
    std::snprintf(width, sizeof width, "%%0%dd.jpg", static_cast<int>(digits));
    pattern = prefix + width;
    return {};
}

std::string JpgSeries::Path(int number) const {
    std::string name(pattern.size() + 32, '\0');
    const int n = std::snprintf(name.data(), name.size(), pattern.c_str(), number);
    name.resize(n > 0 ? size_t(n) : 0);
    return folder + "/" + name;
}

int JpgSeries::Count() const {
    int count = 0;
    for (int number = 1; number < 100000; ++number) {
        Sys::File file;
        if (!file.Open(Path(number), Sys::File::Mode::Read)) break;
        ++count;
    }
    return count;
}
