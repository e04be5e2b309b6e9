#include "video/Encoder.h"

#include "panelwick/Sys/ProgramFinder.h"

namespace Encoder {

bool Find(std::string& folder) {
    return Sys::FindProgram("ffmpeg", "ffmpeg", "/usr/bin", folder);
}

int ConstantRateFactor(int quality) {
    return static_cast<int>(51.0 - (quality - 5.0) * 50.0 / 95.0);
}

}  // namespace Encoder
