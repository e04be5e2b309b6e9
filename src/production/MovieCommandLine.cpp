#include "production/MovieCommandLine.h"

#include <cstdio>

#include "video/Encoder.h"

std::string MovieCommandLine(const std::string& encoderFolder, const ProjectPaths& paths,
                             bool withSoundtrack, int fps, int width, int height, int movieQuality,
                             const std::string& output) {
    std::string line = encoderFolder + "/ffmpeg";
    if (withSoundtrack) line += " -i \"" + paths.soundtrack() + "\"";
    line += " -thread_queue_size 8192 -f image2 -framerate";
    char middle[128];
    std::snprintf(middle, sizeof middle, " %d -i %s -s %dx%d -crf %d -shortest ", fps,
                  ProjectPaths::kFramePattern, width, height,
                  Encoder::ConstantRateFactor(movieQuality));
    line += middle;
    line += "-progress pipe:1 \"" + output + "\"";
    return line;
}

std::string StreamCommandLine(const std::string& encoderFolder, const ProjectPaths& paths,
                              bool withSoundtrack, int fps, int width, int height,
                              int movieQuality, const std::string& output) {
    std::string line = encoderFolder + "/ffmpeg";
    if (withSoundtrack) line += " -i \"" + paths.soundtrack() + "\"";
    char middle[160];
    std::snprintf(middle, sizeof middle,
                  " -f rawvideo -pix_fmt yuvj420p -s %dx%d -framerate %d -i pipe:0 -crf %d%s ",
                  width, height, fps, Encoder::ConstantRateFactor(movieQuality),
                  withSoundtrack ? " -shortest" : "");
    return line + middle + "-progress pipe:1 \"" + output + "\"";
}
