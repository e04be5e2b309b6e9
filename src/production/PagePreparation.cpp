#include "production/PagePreparation.h"

#include <sys/stat.h>

#include "panelwick/Sys/FileSystem.h"
#include "render/PrepareObject.h"
#include "video/PageExport.h"
#include "video/PageExportSession.h"

Sys::Result PreparePageObject(PageExportSession& session, const MovieObject& object,
                              PreparedObject& prepared, const std::string& projectFolder,
                              int width, int height) {
    (void)::mkdir((projectFolder + "/tmp").c_str(), 0777);
    const std::string png = projectFolder + "/" + kPageExportFile;
    Sys::Result result = session.ExportToPng(projectFolder, object, png);
    if (result.failed()) return result;
    result = PrepareObject(object, prepared, projectFolder, width, height);
    Sys::DeleteFile(png);
    return result;
}
