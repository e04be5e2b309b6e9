#include "production/MovieCommandLine.h"

#include <cstdio>

int ConstantRateFactor(int movieQuality) {
    return static_cast<int>(51.0 - (movieQuality - 5) * 50.0 / 95.0);
}

std::string MovieCommandLine(const std::string& encoderFolder, const std::string& projectFolder,
                             bool withSoundtrack, int fps, int width, int height,
                             int movieQuality) {
    std::string line = encoderFolder + "/ffmpeg";
    if (withSoundtrack) line += " -i \"" + projectFolder + "/tmp/movie.wav\"";
    line += " -thread_queue_size 8192 -f image2 -framerate";
    char middle[128];
    std::snprintf(middle, sizeof middle, " %d -i %%08d.jpg -s %dx%d -crf %d -shortest ", fps,
                  width, height, ConstantRateFactor(movieQuality));
    line += middle;
    line += "\"" + projectFolder + "/movie.mp4\"";
    return line;
}
