#include "cli/AudioToolInput.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"

namespace Cli {

Sys::Result PrepareToolInput(const std::string& input, const char* suffix, bool sixteenBits,
                             std::string& output) {
    if (input.empty()) return "Provide an audio file";
    if (!Sys::FileExists(input)) return "Please provide a valid file";
    if (Sys::Result r = ToolOutputPath(input, suffix, output); r.failed()) return r;
    if (sixteenBits) {
        Mm::WaveFile file;
        if (Sys::Result r = file.OpenForReading(input); r.failed()) return r;
        if (file.bitsPerSample() != 16) return "The resolution must be 16 bits";
    }
    return {};
}

}  // namespace Cli
