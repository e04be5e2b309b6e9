#include "video/ObjectFileImport.h"

#include "panelwick/Sys/Utf.h"
#include "video/MediaImportJob.h"
#include "video/ProjectFileCopy.h"

Mt::TaskResult ImportFileForObject(MovieObjectType type, const std::string& projectFolder,
                                   const std::string& path, Mt::Task& task, std::string& name) {
    name.clear();
    if (type == MovieObjectType::CorelDrawPage) {
        ProjectFileCopy copy(projectFolder);
        Mt::TaskResult r = copy.Bring(path, task);
        if (r.ok()) name = copy.name();
        if (r.failed()) return Mt::TaskResult::Failed(r.message() + "\n" + path);
        return r;
    }
    MediaImportJob job;
    job.Plan(projectFolder, {path}, 0);
    if (Mt::TaskResult r = job.Run(task); !r.ok()) return r;
    if (job.AnyRefused()) return Mt::TaskResult::Failed(job.RefusedMessage());
    for (const MovieObject& o : job.objects()) {
        if (o.type == type) name = Sys::ToUtf8(o.fileName);
    }
    if (name.empty()) {
        job.Discard();
        return Mt::TaskResult::Failed("This file cannot serve this object\n" + path);
    }
    return {};
}
