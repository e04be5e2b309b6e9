#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <thread>

#include <gtest/gtest.h>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/Document.h"
#include "support/RunCommand.h"
#include "support/StandInProgram.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"
#include "video/MediaImportJob.h"
#include "video/ProjectFileCopy.h"

namespace fs = std::filesystem;

namespace {

void WritePicture(const std::string& path, uint32_t width, uint32_t height, uint8_t shade = 9) {
    CG::ImageRGBA image;
    ASSERT_TRUE(image.Create(width, height));
    for (uint32_t y = 0; y < height; ++y) std::fill_n(image.Row(y), width * 4, shade);
    ASSERT_TRUE(CG::PngWriter::Save(image, path).ok());
}

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

MediaImportJob Imported(const std::string& project, const std::vector<std::string>& files,
                        uint32_t at, uint32_t pictureMs, Mt::Task& task = Mt::Task::Unwatched()) {
    MediaImportJob job;
    job.Plan(project, files, at, pictureMs);
    EXPECT_TRUE(job.Run(task).ok());
    return job;
}

struct ImportFixture : ::testing::Test {
    TempDir dir;
    std::string project = dir / "P", outside = dir / "out";
    void SetUp() override {
        fs::create_directories(project);
        fs::create_directories(outside);
    }
};

}  // namespace

TEST_F(ImportFixture, CopiesReusesIdenticalFilesAndGivesOtherContentAFreeName) {
    WritePicture(outside + "/beach.png", 4, 4, 1);
    ProjectFileCopy copy(project);
    ASSERT_TRUE(copy.Bring(outside + "/beach.png", Mt::Task::Unwatched()).ok());
    EXPECT_EQ(copy.name(), "beach.png");
    EXPECT_TRUE(copy.created());
    ASSERT_TRUE(copy.Bring(outside + "/beach.png", Mt::Task::Unwatched()).ok());
    EXPECT_EQ(copy.name(), "beach.png");  // same content: used again
    EXPECT_FALSE(copy.created());

    WritePicture(outside + "/beach.png", 4, 4, 2);
    ASSERT_TRUE(copy.Bring(outside + "/beach.png", Mt::Task::Unwatched()).ok());
    EXPECT_EQ(copy.name(), "beach (2).png");
    ASSERT_TRUE(copy.Bring(outside + "/beach.png", Mt::Task::Unwatched()).ok());
    EXPECT_EQ(copy.name(), "beach (2).png");

    fs::create_directories(project + "/sub");
    WritePicture(project + "/sub/in place.png", 4, 4);
    ASSERT_TRUE(copy.Bring(project + "/sub/../sub/in place.png", Mt::Task::Unwatched()).ok());
    EXPECT_EQ(copy.name(), "sub/in place.png");
    EXPECT_FALSE(copy.created());
    EXPECT_EQ(Names(project), (std::vector<std::string>{"beach (2).png", "beach.png", "sub"}));
    EXPECT_EQ(ProjectFileCopy::NumberedName("notes", 3), "notes (3)");
}

TEST_F(ImportFixture, PlacesFilesInNameOrderFittedToTheFrameForTheirDurations) {
    const std::string pictures = outside + "/pictures";
    fs::create_directories(pictures);
    WritePicture(pictures + "/photo 10.png", 90, 180);  // tall: 900 / 180
    WritePicture(pictures + "/photo 9.png", 200, 100);  // wide: 1600 / 200
    ASSERT_TRUE(Sys::WriteWholeFile(pictures + "/notes.txt", "skipped in folders"));
    const std::string wave = outside + "/\xC3\xA9t\xC3\xA9 \"live\".wav";
    WriteWave(wave, Constant(66150, 2, 100), 2);  // 1.5 s
    const MediaImportJob job = Imported(project, {wave, pictures}, 3000, 2000);
    ASSERT_FALSE(job.AnyRefused()) << job.RefusedMessage();
    const std::vector<MovieObject>& o = job.objects();
    ASSERT_EQ(o.size(), 3u);
    EXPECT_EQ(Sys::ToUtf8(o[0].fileName), "photo 9.png");
    EXPECT_EQ(o[0].begin, 3000u);
    EXPECT_EQ(o[0].end, 5000u);
    EXPECT_EQ(o[0].beginState.sizeX, 80000);
    EXPECT_EQ(o[0].beginState.sizeY, 80000);
    EXPECT_EQ(o[0].beginState.x, 8000000);
    EXPECT_EQ(o[0].endState.y, 4500000);
    ObjectState end = o[0].endState;  // the same but for the sound's fade, kept as default
    end.fadeRate = o[0].beginState.fadeRate;
    EXPECT_EQ(o[0].beginState, end);
    EXPECT_EQ(Sys::ToUtf8(o[1].fileName), "photo 10.png");
    EXPECT_EQ(o[1].begin, 5000u);
    EXPECT_EQ(o[1].beginState.sizeX, 50000);
    EXPECT_EQ(o[2].type, MovieObjectType::Audio);
    EXPECT_EQ(Sys::ToUtf8(o[2].fileName), "\xC3\xA9t\xC3\xA9 \"live\".wav");
    EXPECT_EQ(o[2].begin, 7000u);
    EXPECT_EQ(o[2].end, 8500u);
    EXPECT_EQ(job.end(), 8500u);
}

TEST_F(ImportFixture, RefusedFilesAreListedWithTheirReasonAndLeaveNothingBehind) {
    WritePicture(outside + "/good.png", 8, 8);
    ASSERT_TRUE(Sys::WriteWholeFile(outside + "/fake.jpg", "not a picture at all"));
    ASSERT_TRUE(Sys::WriteWholeFile(outside + "/notes.txt", "text"));
    MediaImportJob job = Imported(project,
                                  {outside + "/fake.jpg", outside + "/gone.png",
                                   outside + "/good.png", outside + "/notes.txt"},
                                  0, 1000);
    ASSERT_EQ(job.objects().size(), 1u);
    EXPECT_EQ(job.objects()[0].begin, 0u);
    const std::string message = job.RefusedMessage();
    EXPECT_EQ(message.find("These files could not be added:\n\n"), 0u);
    EXPECT_NE(message.find("\n" + outside + "/fake.jpg"), std::string::npos);
    EXPECT_NE(
        message.find("the file does not exist or it cannot be read\n" + outside + "/gone.png"),
        std::string::npos);
    EXPECT_NE(message.find("This kind of file cannot be added"), std::string::npos);
    EXPECT_EQ(Names(project), std::vector<std::string>{"good.png"});
    job.Discard();
    EXPECT_TRUE(Names(project).empty());
}

TEST_F(ImportFixture, AnImportIsOneUndoPoint) {
    WritePicture(outside + "/a.png", 8, 8);
    WritePicture(outside + "/b.png", 8, 8);
    Document document;
    document.SetFile(project + "/P.rwk", project);
    document.objects.resize(1);
    Imported(project, {outside + "/a.png", outside + "/b.png"}, 1000, 1000).AddTo(document);
    ASSERT_EQ(document.objects.size(), 3u);
    EXPECT_FALSE(document.saved());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.objects.size(), 1u);
    EXPECT_FALSE(document.Undo());
    EXPECT_TRUE(fs::exists(project + "/a.png"));  // the copies stay
}

TEST_F(ImportFixture, AFullDiskDuringACopyLeavesNothingHalfCopied) {
    WriteWave(outside + "/long.wav", Constant(441000, 2, 5), 2);  // 1.7 MB
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1 << 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    MediaImportJob job;
    job.Plan(project, {outside + "/long.wav"}, 0, 1000);
    const Mt::TaskResult result = job.Run(Mt::Task::Unwatched());
    setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(job.objects().empty());
    EXPECT_NE(job.RefusedMessage().find("Unable to copy the file into the project folder\n"),
              std::string::npos);
    EXPECT_TRUE(Names(project).empty());
}

// Converts sound and imports video through the real encoder.
TEST_F(ImportFixture, SoundIsConvertedAndVideosBringTheirSound) {
    auto make = [](const std::vector<std::string>& args) {
        std::vector<std::string> all{"ffmpeg", "-v", "error", "-y"};
        all.insert(all.end(), args.begin(), args.end());
        ASSERT_EQ(RunCommand(all).status, 0);
    };
    make({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050", "-t", "1",
          outside + "/tune.mp3"});
    make({"-f", "lavfi", "-i", "testsrc=size=64x36:rate=25", "-f", "lavfi", "-i",
          "sine=frequency=440", "-t", "2", "-shortest", outside + "/clip.mp4"});
    make({"-f", "lavfi", "-i", "testsrc=size=32x32:rate=25", "-t", "1", outside + "/mute.mkv"});
    const MediaImportJob job = Imported(
        project, {outside + "/tune.mp3", outside + "/clip.mp4", outside + "/mute.mkv"}, 0, 1000);
    ASSERT_FALSE(job.AnyRefused()) << job.RefusedMessage();
    const std::vector<MovieObject>& o = job.objects();
    ASSERT_EQ(o.size(), 4u);
    EXPECT_EQ(o[0].type, MovieObjectType::Video);
    EXPECT_EQ(Sys::ToUtf8(o[0].fileName), "clip");
    EXPECT_EQ(o[0].beginState.sizeX, 250000);  // 16000000 / 64
    EXPECT_EQ(o[1].type, MovieObjectType::Audio);
    EXPECT_EQ(Sys::ToUtf8(o[1].fileName), "clip.wav");
    EXPECT_EQ(o[1].begin, o[0].begin);
    EXPECT_EQ(o[1].end, o[0].end);
    EXPECT_EQ(o[2].type, MovieObjectType::Video);  // mute.mkv: no sound object
    EXPECT_EQ(Sys::ToUtf8(o[3].fileName), "tune.wav");
    EXPECT_EQ(o[3].begin, o[2].end);
    EXPECT_NEAR(double(o[3].end - o[3].begin), 1000.0, 60.0);
    Mm::WaveFile wave;
    ASSERT_TRUE(wave.OpenForReading(project + "/tune.wav").ok());
    EXPECT_EQ(wave.samplesPerSecond(), 44100u);
    EXPECT_EQ(wave.channels(), 2u);
    EXPECT_EQ(wave.bitsPerSample(), 16u);
    EXPECT_EQ(Names(project), (std::vector<std::string>{"clip", "clip.wav", "mute", "tune.wav"}));
}

// A stand-in encoder that starts writing its output and then hangs; cancelling the import
// removes the partial output and everything imported before it.
TEST_F(ImportFixture, CancellingLeavesNoFilesAndNoObjects) {
    const StandInProgram encoder(dir / "bin", "ffmpeg",
                                 "for a; do last=$a; done\necho partial > \"$last\"\nexec sleep 20");
    WritePicture(outside + "/a.png", 8, 8);
    ASSERT_TRUE(Sys::WriteWholeFile(outside + "/b.mp3", "x"));
    MediaImportJob job;
    job.Plan(project, {outside + "/b.mp3", outside + "/a.png"}, 0, 1000);
    Mt::Task task;
    std::thread canceller([&] {
        while (!fs::exists(project + "/b.wav"))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        task.Cancel();
    });
    const Mt::TaskResult result = job.Run(task);
    canceller.join();
    EXPECT_TRUE(result.stopped());
    EXPECT_TRUE(job.objects().empty());
    EXPECT_TRUE(Names(project).empty());
}
