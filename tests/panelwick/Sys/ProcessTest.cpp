#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Process.h"
#include "panelwick/Sys/ProgramFinder.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(Process, RunsInTheWorkingFolderAndHandsBackItsOutput) {
    TempDir dir;
    std::string output;
    ASSERT_TRUE(
        Sys::Process::RunAndWait("sh -c \"pwd; echo oops >&2\"", dir.path().string(), &output));
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

namespace {

// A stand-in program file in `folder`, executable or not.
void Place(const fs::path& folder, const std::string& name, bool executable) {
    fs::create_directories(folder);
    ASSERT_TRUE(Sys::WriteWholeFile(folder / name, "#!/bin/sh\n"));
    chmod((folder / name).c_str(), executable ? 0755 : 0644);
}

const std::string kProbe = "reelwork-finder-probe";

}  // namespace

TEST(ProgramFinder, NeverRunsAFileFromTheCurrentFolder) {
    TempDir dir;
    Place(dir.path(), kProbe, true);
    Place(dir / "tools", kProbe, true);
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    // Empty and relative PATH entries would name the current folder.
    ScopedEnvironment path("PATH", ":.:tools:/nonexistent");
    std::string folder = "unchanged";
    EXPECT_FALSE(Sys::FindProgram("tools", kProbe, "", folder));
    EXPECT_FALSE(Sys::FindProgram("tools", kProbe, "relative", folder));
    EXPECT_EQ(folder, "unchanged");
    fs::current_path(before);
}

TEST(ProgramFinder, TakesTheFirstExecutableFileAlongPathThenTheFixedFolder) {
    TempDir dir;
    const std::string a = dir / "a", b = dir / "b", c = dir / "c", d = dir / "d";
    const std::string fixed = dir / "fixed";
    Place(a, kProbe, true);
    Place(b, kProbe, true);
    Place(c, kProbe, false);
    Place(fixed, kProbe, true);
    fs::create_directories(fs::path(d) / kProbe);
    // PATH and the folder found. Not executable, or a folder of that name: passed over.
    const std::pair<std::string, std::string> cases[] = {
        {a + ":" + b, a}, {b + ":" + a, b}, {c + ":" + d + ":" + b, b}, {c, fixed}};
    std::string folder;
    for (const auto& [path, expected] : cases) {
        ScopedEnvironment setting("PATH", path.c_str());
        EXPECT_TRUE(Sys::FindProgram("tools", kProbe, fixed, folder)) << path;
        EXPECT_EQ(folder, expected) << path;
    }
    {
        ScopedEnvironment setting("PATH", c.c_str());
        EXPECT_FALSE(Sys::FindProgram("", kProbe, c, folder));
    }
    EXPECT_TRUE(Sys::FindProgram("", "sh", "/nonexistent", folder));  // the real PATH
    EXPECT_TRUE(Sys::FileExists(folder + "/sh"));
}
