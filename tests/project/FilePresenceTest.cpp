#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "project/FilePresence.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

// Once the folder has been read, every kind of name is answered as a lookup of its own would.
TEST(FilePresence, AnswersAsLookingUpEachName) {
    TempDir dir;
    fs::create_directory(dir / "clip");
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "sub/inner.png") << "x";
    fs::create_symlink(dir / "sub/inner.png", dir / "link.png");
    fs::create_symlink(dir / "sub", dir / "linked");
    std::vector<std::string> names = {"clip",   "sub/inner.png", "link.png",
                                      "linked", "none.png",      "sub/none",
                                      "clip/",  "./clip",        "sub/../link.png"};
    for (int i = 0; i < FilePresence::kReadAfter; ++i) {
        std::ofstream(dir / ("p" + std::to_string(i) + ".jpg")) << "x";
        names.push_back("p" + std::to_string(i) + ".jpg");
    }
    FilePresence presence(dir.path().string());
    for (int pass = 0; pass < 2; ++pass) {  // the folder is read during the first
        for (const std::string& name : names) {
            const std::string path = dir / name;
            EXPECT_EQ(presence.File(name), Sys::FileExists(path)) << name;
            EXPECT_EQ(presence.Folder(name), Sys::FolderExists(path)) << name;
        }
    }
}
