// fuzz-links: panelwick_sys
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/FrameTimeTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string project =
        (std::filesystem::temp_directory_path() / ("video-bin-fuzz-" + std::to_string(getpid())))
            .string();
    std::filesystem::create_directories(project + "/v");
    if (!Sys::WriteWholeFile(project + "/v/video.bin",
                             std::string_view(reinterpret_cast<const char*>(data), size))) {
        return 0;
    }
    Sys::FrameTimeTable table;
    if (!table.Load(project, "v") || table.count() != size / 4) std::abort();
    const uint32_t length = Sys::ReadVideoLength(project, "v");
    if (size >= 4 && length != table.entries().back() && size % 4 == 0) std::abort();
    for (uint32_t target : {0u, 1u, 40u, length, length + 1, 0xFFFFFFFFu}) {
        if (table.FrameFor(target) > table.count()) std::abort();
    }
    return 0;
}
