#include "production/MovieCommandLine.h"

#include <cstdio>

#include "video/Encoder.h"

std::string MovieCommandLine(const std::string& encoderFolder, const std::string& projectFolder,
                             bool withSoundtrack, int fps, int width, int height,
                             int movieQuality) {
    std::string line = encoderFolder + "/ffmpeg";
    if (withSoundtrack) line += " -i \"" + projectFolder + "/tmp/movie.wav\"";
    line += " -thread_queue_size 8192 -f image2 -framerate";
    char middle[128];
    std::snprintf(middle, sizeof middle, " %d -i %%08d.jpg -s %dx%d -crf %d -shortest ", fps,
                  width, height, Encoder::ConstantRateFactor(movieQuality));
    line += middle;
    line += "\"" + projectFolder + "/movie.mp4\"";
    return line;
}
