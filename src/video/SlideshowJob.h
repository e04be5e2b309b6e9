#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "project/MovieObject.h"

// A slideshow: pictures imported into a project one after another, each fading in and out and
// slowly growing, with music under the whole show that fades out at its end.
class SlideshowJob {
public:
    struct Settings {
        std::vector<std::string> pictures;  // files or folders of pictures
        std::string music;                  // any importable sound, or empty
        uint32_t pictureMs = 5000;
        uint32_t fadeMs = 500;
    };

    // "No pictures to show" when the pictures (folders expanded) name none; "Not a picture" or
    // "Not a sound file" and the file on its own line for a file of the wrong kind.
    Sys::Result Plan(const std::string& projectFolder, Settings settings);
    // Fails, leaving no file of its own behind, when any picture or the music is refused.
    Mt::TaskResult Run(Mt::Task& task);

    const std::vector<MovieObject>& objects() const { return objects_; }
    // The show's length in milliseconds.
    uint32_t length() const { return length_; }

private:
    std::string folder_;
    Settings settings_;
    std::vector<std::string> pictures_;
    std::vector<MovieObject> objects_;
    uint32_t length_ = 0;
};
