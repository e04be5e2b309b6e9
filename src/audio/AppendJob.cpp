#include "audio/AppendJob.h"

#include <filesystem>

#include "audio/AudioTools.h"
#include "panelwick/Mm/AppendWorker.h"

ToolMessage AppendJob::Plan(const std::vector<std::string>& inputs, const std::string& output) {
    inputs_ = inputs;
    output_ = output;
    if (Sys::Result r = CheckAppendInputs(inputs); r.failed()) {
        return ToolMessage::Box(r.message(), kCaption);
    }
    return {};
}

Sys::Result AppendJob::Work(Mt::Task& task) const {
    return Mm::AppendWaveFiles({inputs_.begin(), inputs_.end()}, output_, task);
}
