#include "video/Encoder.h"

#include <cstdlib>

#include "panelwick/Sys/Process.h"
#include "panelwick/Sys/ProgramFinder.h"

namespace Encoder {

bool Find(std::string& folder) {
    return Sys::FindProgram("ffmpeg", "ffmpeg", "/usr/bin", folder);
}

double MovieSeconds(const std::string& path) {
    std::string folder;
    if (!Sys::FindProgram("ffmpeg", "ffprobe", "/usr/bin", folder)) return 0;
    std::string output;
    const std::string line =
        folder + "/ffprobe -v error -show_entries format=duration -of csv=p=0 \"" + path + "\"";
    if (!Sys::Process::RunAndWait(line, {}, &output)) return 0;
    char* end = nullptr;
    const double seconds = std::strtod(output.c_str(), &end);
    return end != output.c_str() && seconds > 0 ? seconds : 0;
}

int ConstantRateFactor(int quality) {
    return static_cast<int>(51.0 - (quality - 5.0) * 50.0 / 95.0);
}

}  // namespace Encoder
