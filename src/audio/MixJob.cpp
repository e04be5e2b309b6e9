#include "audio/MixJob.h"

#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage MixJob::Plan(const std::string& voice, const std::string& music,
                         const std::string& output, int balance, bool loop, bool autoLevel) {
    input_ = voice;
    music_ = music;
    output_ = output;
    balance_ = balance;
    loop_ = loop;
    autoLevel_ = autoLevel;
    if (!Sys::FileExists(voice) || !Sys::FileExists(music)) {
        return ToolMessage::Box("Please provide a valid input file", "Invalid Input");
    }
    if (output.empty()) {
        return ToolMessage::Box("Please provide a valid output file", "Invalid Output");
    }
    return {};
}

Sys::Result MixJob::Work(Mt::Task& task) const {
    using Mm::Assistant;
    if (autoLevel_) return Assistant::MixVoiceMusicAutoLevel(input_, music_, output_, task);
    if (loop_) return Assistant::MixVoiceMusic(input_, music_, 100 - balance_, output_, task);
    return Assistant::MixWaveFile(input_, music_, 100 - balance_, output_, task);
}
