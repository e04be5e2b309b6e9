#include "video/PageExport.h"

#include <filesystem>
#include <system_error>

#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/ProjectPaths.h"
#include "video/PageExportSession.h"

namespace {

Sys::Result MakeTmpFolder(const std::string& folder) {
    if (!Sys::FolderExists(folder)) {
        std::error_code ec;
        std::filesystem::create_directory(folder, ec);
        if (ec) return "Unable to create \\tmp folder";
    }
    if (!Sys::FolderExists(folder)) return "Unable to open \\tmp folder";
    return {};
}

}  // namespace

Sys::Result ExportPage(const std::string& projectFolder, const MovieObject& object,
                       CG::ImageRGBA& picture) {
    const ProjectPaths paths(projectFolder);
    if (Sys::Result made = MakeTmpFolder(paths.tmp()); made.failed()) return made;
    const std::string pngPath = paths.pageExport();
    PageExportSession session;
    Sys::Result result = session.Start();
    if (result.ok()) result = session.ExportToPng(projectFolder, object, pngPath);
    if (result.ok()) {
        result = CG::LoadPicture(picture, pngPath);
        Sys::DeleteFile(pngPath);
    }
    Sys::Result quit = session.Quit();
    return result.failed() ? result : quit;
}
