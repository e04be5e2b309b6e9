#include "video/PageExport.h"

#include <filesystem>
#include <system_error>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/CG/PictureLoader.h"
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
    if (Sys::Result made = MakeTmpFolder(projectFolder + "/tmp"); made.failed()) return made;
    const std::string pngPath = projectFolder + "/" + kPageExportFile;
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
