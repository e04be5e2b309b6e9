#pragma once

#include <filesystem>
#include <utility>

#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"

namespace Mm {

// Owns the fate of a routine's output file: unless Finish closes it successfully, the file is
// closed and deleted, so a failed or stopped routine leaves no half-written output.
class OutputGuard {
public:
    OutputGuard(WaveFile& file, std::filesystem::path path) : file_(file), path_(std::move(path)) {}
    OutputGuard(const OutputGuard&) = delete;
    OutputGuard& operator=(const OutputGuard&) = delete;
    ~OutputGuard() {
        if (!done_) Discard();
    }

    // Closes the output (fixing its sizes); deletes it when that fails.
    Sys::Result Finish() {
        done_ = true;
        Sys::Result result = file_.Close();
        if (result.failed()) Sys::DeleteFile(path_);
        return result;
    }
    void Discard() {
        done_ = true;
        (void)file_.Close();
        Sys::DeleteFile(path_);
    }

private:
    WaveFile& file_;
    std::filesystem::path path_;
    bool done_ = false;
};

}  // namespace Mm
