#include "audio/SmoothEndsJob.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage SmoothEndsJob::Plan(const std::string& input) {
    return PlanBeside(input, kSmoothSuffix, kCaption, false);
}

Sys::Result SmoothEndsJob::Work(Mt::Task& task) const {
    Sys::DeleteFile(output_);
    return Mm::Assistant::SmoothEndsFile(input_, output_, task);
}
