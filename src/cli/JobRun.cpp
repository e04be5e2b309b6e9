#include "cli/JobRun.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "cli/Command.h"
#include "cli/StopSignal.h"
#include "cli/TerminalProgress.h"
#include "panelwick/Sys/FileSystem.h"

namespace Cli {

int RunJob(const std::string& label, const std::string& output,
           const std::function<Mt::TaskResult(Mt::Task&)>& job) {
    Mt::Task task;
    StopSignal stop(&task);
    std::unique_ptr<TerminalProgress> display;
    if (!label.empty()) display = std::make_unique<TerminalProgress>(task.progressValue(), label);
    const Mt::TaskResult result = job(task);
    if (!result.ok() || stop.requested()) {
        if (display) display->Abandon();
        if ((result.stopped() || stop.requested()) && !output.empty()) Sys::DeleteFile(output);
        return stop.requested() ? kExitStopped : Finish(result);
    }
    display.reset();
    if (!output.empty()) std::printf("%s\n", output.c_str());
    return kExitOk;
}

std::string ProgressLabel(const std::string& label) {
    return ::isatty(STDOUT_FILENO) ? label : std::string();
}

int Finish(const Mt::TaskResult& result) {
    if (result.stopped()) {
        std::cerr << "Stopped\n";
        return kExitStopped;
    }
    if (result.failed()) {
        std::cerr << result.message() << '\n';
        if (!result.detail().empty())
            std::cerr << "\nThe encoder's last lines:\n" << result.detail();
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace Cli
