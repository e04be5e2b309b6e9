#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Process.h"
#include "panelwick/Sys/ProgramFinder.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(Process, RunsInTheWorkingFolderAndHandsBackItsOutput) {
    TempDir dir;
    std::string output;
    ASSERT_TRUE(Sys::Process::RunAndWait("sh -c \"pwd; echo oops >&2\"", dir.path().string(),
                                         &output));
    EXPECT_EQ(output, fs::canonical(dir.path()).string() + "\noops\n");
    EXPECT_FALSE(Sys::Process::RunAndWait("/no/such/program", ""));
    EXPECT_FALSE(Sys::Process::RunAndWait("", ""));

    Sys::Process child;
    ASSERT_TRUE(child.Start({"sh -c \"echo one; exit 3\"", "", Sys::ProcessOptions::Output::Pipe}));
    char buffer[64];
    std::string read;
    while (size_t n = child.Read(buffer, sizeof buffer)) read.append(buffer, n);
    EXPECT_EQ(read, "one\n");
    EXPECT_EQ(child.Wait(), 3);
}

TEST(ProgramFinder, PrefersTheCurrentFolderOverItsSubfolderAndFallsBackToPath) {
    TempDir dir;
    const std::string name = "reelwork-finder-probe";
    fs::create_directories(dir.path() / "tools");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / ("tools/" + name), "x"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    std::string folder;
    EXPECT_TRUE(Sys::FindProgram("tools", name, "/nonexistent", folder));
    EXPECT_EQ(folder, fs::current_path().string() + "/tools");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / name, "x"));
    EXPECT_TRUE(Sys::FindProgram("tools", name, "/nonexistent", folder));
    EXPECT_EQ(folder, fs::current_path().string());
    EXPECT_FALSE(Sys::FindProgram("", name + "-missing", "/nonexistent", folder));
    fs::current_path(before);

    EXPECT_TRUE(Sys::FindProgram("", "sh", "/nonexistent", folder));  // from PATH
    EXPECT_TRUE(Sys::FileExists(folder + "/sh"));
}
