#include "editing/Autosaver.h"

#include <cstdlib>
#include <vector>

#include "project/Document.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"

int Autosaver::IntervalSeconds() {
    if (const char* text = std::getenv("REELWORK_AUTOSAVE_SECONDS")) {
        char* end = nullptr;
        const long seconds = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && seconds > 0 && seconds <= 24 * 3600) {
            return static_cast<int>(seconds);
        }
    }
    return 60;
}

bool Autosaver::Start(const Document& document, std::function<void()> done) {
    if (!document.IsOpen() || document.saved() || document.damaged() || running()) return false;
    const std::string path = ProjectRecovery::AutosavePath(document.file());
    if (path.empty()) return false;
    projectFile_ = document.file();
    return worker_.Start(
        [path, properties = document.properties, objects = document.objects](
            Mt::Task&) -> Mt::TaskResult { return ProjectFile::Save(path, properties, objects); },
        std::move(done));
}

Sys::Result Autosaver::Finish() {
    const Mt::TaskResult result = worker_.Wait();
    return result.failed() ? Sys::Result(result.message()) : Sys::Result();
}
