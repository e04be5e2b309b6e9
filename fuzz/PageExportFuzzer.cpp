// fuzz-links: reelwork_video
// fuzz-seeds: cdr
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "panelwick/Sys/FileSystem.h"
#include "video/PageExport.h"
#include "video/coreldraw/CorelDrawServer.h"

// Each input is a drawing document in a project folder of its own, exported through the whole
// sequence: server, reader, rasteriser, PNG file, picture loader.
namespace {

std::string projectFolder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "reelwork-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    projectFolder = pattern;
    atexit([] { Sys::DeleteFolderTree(projectFolder); });
    // Pages of any size are valid; a smaller limit keeps each input quick.
    CorelDraw::SetPixelLimit(uint64_t(1) << 22);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!Sys::WriteWholeFile(projectFolder + "/doc.cdr",
                             std::string_view(reinterpret_cast<const char*>(data), size))) {
        abort();
    }
    MovieObject object;
    object.type = MovieObjectType::CorelDrawPage;
    object.fileName = u"doc.cdr";
    object.page = 1;
    CG::ImageRGBA picture;
    (void)ExportPage(projectFolder, object, picture);
    return 0;
}
