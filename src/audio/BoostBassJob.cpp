#include "audio/BoostBassJob.h"

#include "audio/AudioTools.h"
#include "panelwick/Mm/BoostBass.h"
#include "panelwick/Sys/FileSystem.h"

ToolMessage BoostBassJob::Plan(const std::string& input, double frequency, double gainDb) {
    frequency_ = frequency;
    gainDb_ = gainDb;
    return PlanBeside(input, kBoostBassSuffix, kCaption, true);
}

Sys::Result BoostBassJob::Work(Mt::Task& task) const {
    Sys::DeleteFile(output_);
    return Mm::BoostBass(input_, output_, frequency_, gainDb_, task);
}
