#pragma once

#include <cstdint>
#include <string>

// Where a project keeps its files: its folder, the work folder tmp that movie creation fills
// with the numbered frames, the soundtrack and a drawing page's export, and the finished movie.
// Every name is built here and nowhere else.
class ProjectPaths {
public:
    // The frames' file names, numbered from 1, as the encoder's command line gives them.
    static constexpr const char* kFramePattern = "%08d.jpg";

    ProjectPaths() = default;
    // The project folder, without a trailing '/'.
    explicit ProjectPaths(std::string folder) : folder_(std::move(folder)) {}

    const std::string& folder() const { return folder_; }
    std::string tmp() const { return folder_ + "/tmp"; }
    // tmp/00000001.jpg for number 1.
    std::string frame(uint32_t number) const;
    std::string soundtrack() const { return tmp() + "/movie.wav"; }
    std::string pageExport() const { return tmp() + "/cdrtmp.png"; }
    std::string movie() const { return folder_ + "/movie.mp4"; }
    // Where the encoder writes; renamed over the movie only once it is complete.
    std::string partialMovie() const { return tmp() + "/movie.partial.mp4"; }
    // The video of frames streamed to the encoder, before the soundtrack joins it.
    // The short movie of one object's time span, which never replaces the movie.
    std::string spanMovie() const { return tmp() + "/span.mp4"; }
    // The span movie for a run limited to a time window (windowEnd not 0), else the movie.
    std::string movieOf(uint32_t windowEnd) const { return windowEnd ? spanMovie() : movie(); }

private:
    std::string folder_;
};
