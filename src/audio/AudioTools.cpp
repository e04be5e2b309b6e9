#include "audio/AudioTools.h"

#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"

Sys::Result ToolOutputPath(std::string_view input, std::string_view suffix, std::string& output) {
    std::string folder, title;
    if (!Sys::FolderOf(input, folder)) return "Unable to extract path";
    if (!Sys::FileTitle(input, title)) return "Unable to extract filename";
    output = folder + "/" + title + std::string(suffix);
    return {};
}

Sys::Result CheckAppendInputs(const std::vector<std::string>& inputs) {
    uint32_t rate = 0;
    uint16_t channels = 0, bits = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
        Mm::WaveFile file;
        if (Sys::Result r = file.OpenForReading(inputs[i]); r.failed()) {
            return r.message() + "\n" + inputs[i];
        }
        if (i == 0) {
            rate = file.samplesPerSecond();
            channels = file.channels();
            bits = file.bitsPerSample();
            continue;
        }
        if (file.samplesPerSecond() != rate) {
            return "All the files must have the same number of samples per second";
        }
        if (file.channels() != channels)
            return "All the files must have the same number of channels";
        if (file.bitsPerSample() != bits) return "All the files must have the same bit resolution";
    }
    return {};
}
