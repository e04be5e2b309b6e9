#include "audio/NormalizeJob.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage NormalizeJob::Plan(const std::string& input) {
    ToolMessage refusal = PlanBeside(input, kNormalizeSuffix, kCaption, true);
    if (refusal.text == "Unable to extract path" || refusal.text == "Unable to extract filename") {
        refusal.caption = "CreateMovie";
    }
    return refusal;
}

Sys::Result NormalizeJob::Work(Mt::Task& task) const {
    Sys::DeleteFile(output_);
    return Mm::Assistant::NormalizeVolume(input_, output_, task);
}
