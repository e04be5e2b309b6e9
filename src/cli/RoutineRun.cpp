#include "cli/RoutineRun.h"

#include <cstdio>
#include <memory>

#include "cli/Command.h"
#include "cli/StopSignal.h"
#include "cli/TerminalProgress.h"
#include "panelwick/Sys/FileSystem.h"

namespace Cli {

int RunRoutine(const std::string& label, const std::string& output,
               const std::function<Sys::Result(const Mm::RoutineControl&)>& routine) {
    StopSignal stop;
    Mt::Progress progress;
    std::unique_ptr<TerminalProgress> display;
    if (!label.empty()) display = std::make_unique<TerminalProgress>(progress, label);
    const Sys::Result result = routine(Mm::RoutineControl{&progress, &stop.flag()});
    if (stop.requested()) {
        if (display) display->Abandon();
        Sys::DeleteFile(output);
        return kExitStopped;
    }
    if (result.failed()) {
        if (display) display->Abandon();
        return Fail(result.message());
    }
    display.reset();
    std::printf("%s\n", output.c_str());
    return kExitOk;
}

}  // namespace Cli
