#include "audio/AudioToolJob.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage AudioToolJob::PlanBeside(const std::string& input, const char* suffix,
                                     const char* caption, bool sixteenBits) {
    input_ = input;
    if (input.empty()) return ToolMessage::Box("Provide an audio file", caption);
    if (!Sys::FileExists(input)) return ToolMessage::Box("Please provide a valid file", caption);
    if (Sys::Result r = ToolOutputPath(input, suffix, output_); r.failed()) {
        return ToolMessage::Box(r.message(), caption);
    }
    if (!sixteenBits) return {};
    Mm::WaveFile file;
    if (Sys::Result r = file.OpenForReading(input); r.failed()) {
        return ToolMessage::Box(r.message(), caption);
    }
    if (file.bitsPerSample() != 16) {
        return ToolMessage::Box("The resolution must be 16 bits", caption);
    }
    return {};
}
