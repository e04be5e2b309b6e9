#include "app/audio/ToolWorker.h"

#include "panelwick/Win/Notice.h"

bool ToolWorker::Start(Routine routine, QObject* receiver, int wParam, int lParam) {
    error_.clear();
    return thread_.Start(
        [this, routine = std::move(routine), receiver, wParam, lParam](Mt::ThreadObject& thread) {
            Mm::RoutineControl control;
            control.progress = &thread.progress();
            error_ = routine(control).message();
            Win::PostNotice(receiver, Win::kAppMessage, wParam, lParam);
            return 0;
        });
}

std::string ToolWorker::Finish() {
    thread_.Wait();
    return error_;
}
