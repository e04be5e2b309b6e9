#include "audio/CutJob.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/Assistant.h"

ToolMessage CutJob::Plan(const std::string& input, double startSeconds, double endSeconds) {
    start_ = startSeconds;
    end_ = endSeconds;
    return PlanBeside(input, kCutSuffix, kCaption, false);
}

Sys::Result CutJob::Work(Mt::Task& task) const {
    return Mm::Assistant::CopyWaveFile(input_, output_, start_, end_, task);
}
