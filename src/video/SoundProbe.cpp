#include "video/SoundProbe.h"

#include "video/EncoderRun.h"

namespace SoundProbe {

bool IsSoundStreamLine(std::string_view line) {
    const size_t stream = line.find("Stream #");
    return stream != std::string_view::npos &&
           line.find(": Audio:", stream) != std::string_view::npos;
}

Mt::TaskResult Run(const std::string& encoderFolder, const std::string& path, Mt::Task& task,
                   bool& hasSound) {
    hasSound = false;
    const std::string commandLine =
        "\"" + encoderFolder + "/ffmpeg\" -hide_banner -i \"" + path + "\"";
    EncoderRun run;
    Mt::TaskResult result = run.Run(commandLine, encoderFolder, task, [&](std::string_view line) {
        if (IsSoundStreamLine(line)) hasSound = true;
    });
    if (result.stopped() || !run.started()) return result;
    return {};
}

}  // namespace SoundProbe
