#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/MoviePipeline.h"
#include "project/Document.h"
#include "support/Corpus.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class QuietPrompt : public IDocumentPrompt {
public:
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowError(const std::string& m) override { ADD_FAILURE() << m; }
};

// A small project: the sample picture sliding for `seconds`, with or without the sample sound.
class MoviePipelineTest : public ::testing::Test {
protected:
    void MakeProject(uint32_t seconds, bool withSound) {
        QuietPrompt prompt;
        ASSERT_TRUE(doc.New(dir / "chosen", prompt));
        doc.properties.width = 160;
        doc.properties.height = 90;
        doc.objects[0].end = seconds * 1000;
        if (withSound) {
            doc.objects[1].end = seconds * 1000;
        } else {
            doc.objects.pop_back();
        }
    }

    // Runs the pipeline to its end.
    std::string Create(uint32_t windowBegin = 0, uint32_t windowEnd = 0) {
        EXPECT_TRUE(pipeline.Start(doc, windowBegin, windowEnd, [this] { ++ends; }).ok());
        pipeline.Wait();
        return pipeline.Result().message();
    }

    // A stand-in encoder first in PATH, found before the real one.
    void UseEncoder(const std::string& body) {
        const fs::path folder = dir / "bin";
        fs::create_directories(folder);
        const std::string script = folder / "ffmpeg";
        ASSERT_TRUE(Sys::WriteWholeFile(script, "#!/bin/sh\n" + body + "\n"));
        chmod(script.c_str(), 0755);
        const char* path = std::getenv("PATH");
        previousPath = path ? path : "";
        setenv("PATH", (folder.string() + ":" + previousPath).c_str(), 1);
    }
    // One that records its arguments and writes nothing.
    void UseRecordingEncoder() {
        UseEncoder("for a in \"$@\"; do echo \"$a\"; done > '" + dir / "args" + "'");
    }

    void TearDown() override {
        if (!previousPath.empty()) setenv("PATH", previousPath.c_str(), 1);
    }

    // The movie's streams: their types, then the video's size and frame count.
    std::string Probe() {
        const std::string types = RunCommand({"ffprobe", "-v", "error", "-show_entries",
                                              "stream=codec_type", "-of", "csv=p=0", movie()})
                                      .out;
        return types + RunCommand({"ffprobe", "-v", "error", "-count_frames", "-select_streams",
                                   "v", "-show_entries", "stream=width,height,nb_read_frames",
                                   "-of", "csv=p=0", movie()})
                           .out;
    }
    std::string movie() const { return doc.folder() + "/movie.mp4"; }
    size_t TmpFiles() const {
        return Sys::ListFilesWithExtension(doc.folder() + "/tmp", "").size();
    }

    TempDir dir;
    Document doc;
    MoviePipeline pipeline{2};
    int ends = 0;
    std::string previousPath;
};

}  // namespace

TEST_F(MoviePipelineTest, MakesAMovieWithSoundAndEmptiesTmp) {
    MakeProject(2, true);
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(pipeline.CurrentStage(), 0);
    EXPECT_EQ(Probe(), "video\naudio\n160,90,48\n");
    EXPECT_EQ(TmpFiles(), 0u);
    EXPECT_TRUE(Sys::FolderExists(doc.folder() + "/tmp"));

    // A second run replaces the movie.
    doc.objects[0].end = 1000;
    doc.objects[1].end = 1000;
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(Probe(), "video\naudio\n160,90,24\n");
    doc.objects.pop_back();  // without the sound object the movie has no audio stream
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(Probe(), "video\n160,90,24\n");
}

TEST_F(MoviePipelineTest, WithoutSoundTheEncoderGetsNoSoundtrackAndItsFailureIsReported) {
    MakeProject(1, false);
    UseRecordingEncoder();
    const std::string error = Create();
    EXPECT_EQ(error, "Error\r\n\r\n" + pipeline.encoderCommandLine());
    EXPECT_EQ(pipeline.encoderCommandLine(),
              dir / "bin" +
                  "/ffmpeg -thread_queue_size 8192 -f image2 "
                  "-framerate 24 -i %08d.jpg -s 160x90 -crf 16 -shortest \"" +
                  movie() + "\"");
    std::string args;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "args", args));
    EXPECT_EQ(args.substr(0, 18), "-thread_queue_size");
    EXPECT_EQ(TmpFiles(), 0u);  // emptied although the encoder failed
    EXPECT_FALSE(fs::exists(movie()));
}

TEST_F(MoviePipelineTest, AnEncoderThatFailsFailsTheRunEvenWhenItLeftAMovie) {
    MakeProject(1, false);
    UseEncoder("echo frame=3; echo 'No space left on device'; echo half > '" + movie() +
               "'; exit 1");
    const std::string error = Create();
    EXPECT_EQ(error, "Error\r\n\r\n" + pipeline.encoderCommandLine());
    EXPECT_EQ(pipeline.Result().detail(), "frame=3\nNo space left on device\n");
}

TEST_F(MoviePipelineTest, AMissingPictureEndsTheRunBeforeAnyFrame) {
    MakeProject(1, false);
    doc.objects[0].fileName = u"gone.png";
    EXPECT_EQ(Create(), "Error reading the file\ngone.png");
    EXPECT_EQ(TmpFiles(), 0u);
    EXPECT_FALSE(fs::exists(movie()));
}

TEST_F(MoviePipelineTest, AStopWhileRenderingKeepsTheFramesAndMakesNoMovie) {
    MakeProject(60, true);
    ASSERT_TRUE(Sys::WriteWholeFile(movie(), "old"));
    ASSERT_TRUE(pipeline.Start(doc, 0, 0, [this] { ++ends; }).ok());
    while (pipeline.CurrentStage() < 3 ||
           Sys::ListFilesWithExtension(doc.folder() + "/tmp", ".jpg").size() < 4) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    pipeline.RequestStop();
    pipeline.Wait();
    EXPECT_TRUE(pipeline.Result().stopped());
    EXPECT_EQ(ends, 1);
    const size_t frames = Sys::ListFilesWithExtension(doc.folder() + "/tmp", ".jpg").size();
    EXPECT_GE(frames, 4u);
    EXPECT_LT(frames, 1440u);
    EXPECT_FALSE(fs::exists(doc.folder() + "/tmp/movie.wav"));
    EXPECT_FALSE(fs::exists(movie()));  // the old movie goes before the run starts

    // The stop does not carry over into the next run.
    doc.objects[0].end = doc.objects[1].end = 500;
    EXPECT_EQ(Create(), "");
    EXPECT_TRUE(pipeline.Result().ok());
}

TEST_F(MoviePipelineTest, WindowModeRendersOnlyTheWindowWithoutSound) {
    MakeProject(2, true);
    UseRecordingEncoder();
    Create(1000, 1500);
    EXPECT_EQ(pipeline.encoderCommandLine().find("movie.wav"), std::string::npos);
}

TEST_F(MoviePipelineTest, APageObjectIsExportedAndDrawnInTheMovieAndInOneFrame) {
    const std::string probe = CorpusFile("cdr/probe.cdr");
    if (probe.empty()) GTEST_SKIP() << "no test corpus";
    MakeProject(1, false);
    fs::copy_file(probe, doc.folder() + "/probe.cdr");
    MovieObject page;
    page.type = MovieObjectType::CorelDrawPage;
    page.fileName = u"probe.cdr";
    page.end = 1000;
    page.beginState.x = page.endState.x = 8000000;
    page.beginState.y = page.endState.y = 4500000;
    page.beginState.sizeX = page.beginState.sizeY = page.endState.sizeX = page.endState.sizeY =
        1000;
    doc.objects = {page};
    doc.properties.backColor = 0x00FFFFFF;
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(Probe(), "video\n160,90,24\n");

    // The page (a red rectangle on a transparent letter page) shows in the frame's middle.
    ASSERT_TRUE(doc.Save().ok());
    const std::string frame = dir / "frame.bmp";
    CommandResult rendered = RunCli({"render-frame", doc.file(), "0", frame});
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    std::string bmp;
    ASSERT_TRUE(Sys::ReadWholeFile(frame, bmp));
    ASSERT_GT(bmp.size(), 54u);
    bool red = false;
    for (size_t i = 54; i + 2 < bmp.size(); i += 3) {
        const auto b = uint8_t(bmp[i]), g = uint8_t(bmp[i + 1]), r = uint8_t(bmp[i + 2]);
        red = red || (r > 200 && g < 80 && b < 80);
    }
    EXPECT_TRUE(red);
    EXPECT_FALSE(fs::exists(doc.folder() + "/tmp/cdrtmp.png"));

    doc.objects[0].fileName = u"missing.cdr";
    EXPECT_EQ(Create(), "Missing file: " + doc.folder() + "/missing.cdr");
}
