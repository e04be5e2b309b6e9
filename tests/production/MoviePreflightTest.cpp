#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/MoviePreflight.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

MovieObject ObjectOf(MovieObjectType type, const std::u16string& file, uint32_t begin = 0,
                     uint32_t end = 1000) {
    MovieObject object;
    object.type = type;
    object.fileName = file;
    object.begin = begin;
    object.end = end;
    return object;
}

// A project folder with a good picture and a good sound, and room for wrong ones.
class MoviePreflightTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Sys::WriteWholeFile(dir / "good.png", std::string("\x89PNG\r\n\x1a\n", 8)));
        WriteWave(dir / "good.wav", {0, 0, 0, 0}, 2);
        objects = {ObjectOf(MovieObjectType::Image, u"good.png"),
                   ObjectOf(MovieObjectType::Audio, u"good.wav")};
        properties.width = 160;
        properties.height = 90;
    }
    MoviePreflight Check(uint32_t begin = 0, uint32_t end = 0) {
        MoviePreflight preflight(objects, properties, ProjectPaths(dir.path().string()), begin,
                                 end);
        preflight.Check();
        return preflight;
    }

    TempDir dir;
    std::vector<MovieObject> objects;
    MovieProperties properties;
};

}  // namespace

TEST_F(MoviePreflightTest, AGoodProjectPassesAndLeavesNothingBehind) {
    const MoviePreflight preflight = Check();
    EXPECT_EQ(preflight.Message(), "");
    EXPECT_TRUE(preflight.badObjects().empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(MoviePreflightTest, OneMessageNamesEveryBadFileAndSetting) {
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "notes.jpg", "these are words"));
    ASSERT_TRUE(
        Sys::WriteWholeFile(dir / "low.wav", WaveBytes({1, 1, 22050, 16}, SampleBytes({0, 0}))));
    ASSERT_TRUE(
        Sys::WriteWholeFile(dir / "eight.wav", WaveBytes({1, 2, 44100, 8}, SampleBytes({0, 0}))));
    objects.push_back(ObjectOf(MovieObjectType::Image, u"gone.png"));       // 2
    objects.push_back(ObjectOf(MovieObjectType::Text, u"Sans"));            // 3: no file
    objects.push_back(ObjectOf(MovieObjectType::Image, u"notes.jpg"));      // 4
    objects.push_back(ObjectOf(MovieObjectType::Audio, u"low.wav"));        // 5
    objects.push_back(ObjectOf(MovieObjectType::Audio, u"eight.wav"));      // 6
    objects.push_back(ObjectOf(MovieObjectType::Image, u"good.txt"));       // 7
    objects.push_back(ObjectOf(MovieObjectType::Video, u"clip"));           // 8
    objects.push_back(ObjectOf(MovieObjectType::CorelDrawPage, u"p.cdr"));  // 9
    properties.fps = 0;
    properties.width = 0;
    const std::string d = dir.path().string();
    const MoviePreflight preflight = Check();
    EXPECT_EQ(preflight.Message(),
              "The movie cannot be made:\n"
              "Frames per second is 0; it must be 1 to 60\n"
              "The movie size is 0x90; it must be 160x90 to 2560x1440\n"
              "Missing file: " +
                  d + "/gone.png\n" + d + "/notes.jpg: Not a JPG, PNG, GIF or BMP picture\n" + d +
                  "/low.wav: The number of samples per second must be 44100\n" + d +
                  "/eight.wav: The resolution must be 16 bits\n" + d +
                  "/good.txt: The file must be JPG, PNG, GIF of BMP\n"
                  "Missing file: " +
                  d +
                  "/clip\n"
                  "Missing file: " +
                  d + "/p.cdr");
    EXPECT_EQ(preflight.badObjects(), (std::vector<size_t>{2, 4, 5, 6, 7, 8, 9}));
}

TEST_F(MoviePreflightTest, ATimeWindowChecksOnlyThePicturesItShows) {
    objects.push_back(ObjectOf(MovieObjectType::Image, u"gone.png", 5000, 6000));
    objects.push_back(ObjectOf(MovieObjectType::Audio, u"gone.wav", 0, 1000));
    EXPECT_EQ(Check(200, 800).Message(), "");
    EXPECT_EQ(Check(5500, 5600).badObjects(), std::vector<size_t>{2});
    EXPECT_EQ(Check().badObjects(), (std::vector<size_t>{2, 3}));
}

TEST_F(MoviePreflightTest, AFolderThatCannotBeWrittenIsNamed) {
    MoviePreflight preflight(objects, properties, ProjectPaths(dir / "absent"));
    EXPECT_FALSE(preflight.Check());
    EXPECT_NE(preflight.Message().find("The project folder cannot be written: No such file or "
                                       "directory\n" +
                                       dir / "absent"),
              std::string::npos);
}

TEST_F(MoviePreflightTest, TheSpaceEstimateCountsFramesOnlyWhenTheyAreFiles) {
    objects[0].end = objects[1].end = 20000;
    MoviePreflight preflight(objects, properties, ProjectPaths(dir.path().string()));
    const uint64_t soundtrack = 44 + 20 * 44100 * 4;
    EXPECT_GT(preflight.SpaceNeeded(), soundtrack + 480 * 300);  // 160x90 JPGs exceed 300 bytes
    preflight.SetFrameFiles(false);
    EXPECT_EQ(preflight.SpaceNeeded(), soundtrack);
}
