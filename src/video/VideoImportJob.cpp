#include "video/VideoImportJob.h"

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "video/Encoder.h"
#include "video/EncoderRun.h"
#include "video/VideoImport.h"

Sys::Result VideoImportJob::Plan(const std::string& projectFolder, const std::string& video) {
    projectFolder_ = projectFolder;
    video_ = video;
    if (!VideoImport::FolderName(video, name_)) return "Error in file name";
    if (!Sys::FileExists(video)) return "Missing file: " + video;
    folder_ = projectFolder + "/" + name_;
    importedBefore_ = Sys::FolderExists(folder_);
    return {};
}

void VideoImportJob::UseFolderName(const std::string& name) {
    name_ = name;
    folder_ = projectFolder_ + "/" + name_;
    importedBefore_ = Sys::FolderExists(folder_);
}

Mt::TaskResult VideoImportJob::Run(Mt::Task& task) {
    pictures_ = 0;
    lengthMs_ = 0;
    if (Sys::Result r = VideoImport::PrepareFolder(folder_); r.failed()) return r;
    std::string encoder;
    if (!Encoder::Find(encoder)) return Encoder::kNotFound;
    const std::string commandLine =
        VideoImport::CommandLine(encoder, video_, projectFolder_, name_);
    EncoderRun run;
    if (Mt::TaskResult r = run.Run(commandLine, folder_, task); !r.ok()) return r;
    if (Sys::Result r = Sys::WriteImportVideoBin(folder_); r.failed()) return r;
    pictures_ = Sys::ListFilesWithExtension(folder_, ".jpg").size();
    if (pictures_ == 0) return run.WroteNo("pictures in " + folder_, commandLine);
    lengthMs_ = Sys::ReadVideoLength(projectFolder_, name_);
    return {};
}
