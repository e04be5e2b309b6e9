#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

// Helpers of the command tests: the program's path, whole files, the encoder and its prober.

inline const std::string kCli = std::string(REELWORK_BIN_DIR) + "/reelwork-cli";

// The whole file; empty when it cannot be read.
inline std::string Read(const std::string& path) {
    std::string bytes;
    (void)Sys::ReadWholeFile(path, bytes);
    return bytes;
}

// Runs ffmpeg quietly, replacing its outputs; true when it succeeded.
inline bool Ffmpeg(std::vector<std::string> args) {
    args.insert(args.begin(), {"ffmpeg", "-v", "error", "-y"});
    return RunCommand(args).status == 0;
}

// What ffprobe reports of the entries, one CSV line a section without names.
inline std::string Probe(const std::string& entries, const std::string& path) {
    return RunCommand({"ffprobe", "-v", "error", "-show_entries", entries, "-of", "csv=p=0", path})
        .out;
}

// The command failed with status 1 and printed exactly this message.
inline void ExpectFailure(const CommandResult& result, const std::string& message) {
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, message + "\n");
}
