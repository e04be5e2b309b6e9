#include "video/MediaConversion.h"

#include "panelwick/Sys/FileSystem.h"
#include "video/Encoder.h"
#include "video/EncoderRun.h"

Sys::Result MediaConversion::Plan(Kind kind, const std::string& chosenPath) {
    std::string title;
    if (!Sys::FileTitle(chosenPath, title)) return "Invalid filename";
    std::string encoder;
    if (!Encoder::Find(encoder)) return Encoder::kNotFound;
    return Plan(kind, chosenPath, encoder);
}

Sys::Result MediaConversion::Plan(Kind kind, const std::string& chosenPath,
                                  const std::string& encoderFolder) {
    std::string title;
    if (!Sys::FileTitle(chosenPath, title)) return "Invalid filename";
    const size_t slash = chosenPath.rfind('/');
    const std::string base =
        (slash == std::string::npos ? std::string() : chosenPath.substr(0, slash)) + "/" + title;
    const char* in = kind == Kind::Mp3ToWave ? ".mp3" : kind == Kind::Mp4ToWave ? ".mp4" : ".wav";
    const char* out = kind == Kind::WaveToMp3 ? ".mp3" : ".wav";
    input_ = base + in;
    if (!Sys::FileExists(input_) && Sys::FileExists(chosenPath) &&
        Sys::ToLowerAscii(chosenPath) == Sys::ToLowerAscii(input_)) {
        input_ = chosenPath;
    }
    output_ = base + out;
    const char* options = kind == Kind::WaveToMp3 ? "\" -vn -q:a 1 \"" : "\" \"";
    commandLine_ = "\"" + encoderFolder + "/ffmpeg\" -i \"" + input_ + options + output_ + "\"";
    encoderFolder_ = encoderFolder;
    return {};
}

void MediaConversion::PlanProjectWave(const std::string& input, const std::string& output,
                                      const std::string& encoderFolder) {
    input_ = input;
    output_ = output;
    commandLine_ = "\"" + encoderFolder + "/ffmpeg\" -i \"" + input_ +
                   "\" -vn -ar 44100 -ac 2 -c:a pcm_s16le \"" + output_ + "\"";
    encoderFolder_ = encoderFolder;
}

Mt::TaskResult MediaConversion::Run(Mt::Task& task) const {
    if (!Sys::FileExists(input_)) return Mt::TaskResult::Failed("Missing file: " + input_);
    Sys::DeleteFile(output_);
    EncoderRun run;
    return run.RunToFile(commandLine_, encoderFolder_, output_, task);
}
