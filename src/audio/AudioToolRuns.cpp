#include "audio/AudioToolRuns.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Mm/BoostBass.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage CheckNormalizeInput(const std::string& input, std::string& output) {
    if (input.empty()) return ToolMessage::Box("Provide an audio file", "Normalize Volume");
    if (!Sys::FileExists(input)) {
        return ToolMessage::Box("Please provide a valid file", "Normalize Volume");
    }
    if (Sys::Result r = ToolOutputPath(input, kNormalizeSuffix, output); r.failed()) {
        return ToolMessage::Box(r.message(), "CreateMovie");
    }
    return {};
}

Sys::Result RunNormalize(const std::string& input, const std::string& output,
                         const Mm::RoutineControl& control) {
    Sys::DeleteFile(output);
    return Mm::Assistant::NormalizeVolume(input, output, control);
}

ToolMessage CheckMixFiles(const std::string& input1, const std::string& input2,
                          const std::string& output) {
    if (!Sys::FileExists(input1) || !Sys::FileExists(input2)) {
        return ToolMessage::Box("Please provide a valid input file", "Invalid Input");
    }
    if (output.empty()) {
        return ToolMessage::Box("Please provide a valid output file", "Invalid Output");
    }
    return {};
}

Sys::Result RunMix(const std::string& input1, const std::string& input2, const std::string& output,
                   int balance, bool loop, bool autoLevel, const Mm::RoutineControl& control) {
    if (autoLevel) return Mm::Assistant::MixVoiceMusicAutoLevel(input1, input2, output, control);
    if (loop) return Mm::Assistant::MixVoiceMusic(input1, input2, 100 - balance, output, control);
    return Mm::Assistant::MixWaveFile(input1, input2, 100 - balance, output, control);
}

namespace {

// The tool's output beside the input, an older one deleted first.
ToolMessage FreshOutput(const std::string& input, const char* suffix, const char* caption,
                        std::string& output) {
    if (Sys::Result r = ToolOutputPath(input, suffix, output); r.failed()) {
        return ToolMessage::Box(r.message(), caption);
    }
    Sys::DeleteFile(output);
    return {};
}

ToolMessage Outcome(const Sys::Result& result, const char* caption) {
    return result.ok() ? ToolMessage() : ToolMessage::Box(result.message(), caption);
}

}  // namespace

ToolMessage RunBoostBass(const std::string& input, int frequency, int gainDb) {
    std::string output;
    if (ToolMessage m = FreshOutput(input, kBoostBassSuffix, "Boost bass", output); m.failed()) {
        return m;
    }
    return Outcome(Mm::BoostBass(input, output, frequency, gainDb), "Boost bass");
}

ToolMessage RunSmoothEnds(const std::string& input) {
    std::string output;
    if (ToolMessage m = FreshOutput(input, kSmoothSuffix, "Reelwork", output); m.failed()) {
        return m;
    }
    return Outcome(Mm::Assistant::SmoothEndsFile(input, output), "Reelwork");
}

ToolMessage RunCut(const std::string& input, double startMinutes, double startSeconds,
                   double endMinutes, double endSeconds) {
    std::string output;
    if (Sys::Result r = ToolOutputPath(input, kCutSuffix, output); r.failed()) {
        return ToolMessage::Box(r.message(), "AudioEdit");
    }
    const double t1 = startMinutes * 60 + startSeconds;
    const double t2 = endMinutes * 60 + endSeconds;
    return Outcome(Mm::Assistant::CopyWaveFile(input, output, t1, t2), "AudioEdit");
}
