#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/resource.h>
#include <thread>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/MoviePipeline.h"
#include "project/Document.h"
#include "project/PageExportCache.h"
#include "support/Corpus.h"
#include "support/RunCommand.h"
#include "support/ScopedEnvironment.h"
#include "support/StandInProgram.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Processes of a process group that have not ended (zombies waiting for a parent count as
// ended).
int LiveProcessesOfGroup(int group) {
    int live = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::string stat;
        if (!Sys::ReadWholeFile(entry.path() / "stat", stat)) continue;
        const size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        int parent = 0, pgrp = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %c %d %d", &state, &parent, &pgrp) == 3 &&
            pgrp == group && state != 'Z') {
            ++live;
        }
    }
    return live;
}

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

    // Runs the pipeline to its end; a refusal's message when it does not start.
    std::string Create(uint32_t windowBegin = 0, uint32_t windowEnd = 0) {
        const Sys::Result started = pipeline.Start(doc, windowBegin, windowEnd, [this] { ++ends; });
        if (started.failed()) return started.message();
        pipeline.Wait();
        return pipeline.Result().message();
    }

    // A stand-in encoder first in PATH, found before the real one.
    void UseEncoder(const std::string& body) { encoder.emplace(dir / "bin", "ffmpeg", body); }
    // One that records its arguments and writes nothing.
    void UseRecordingEncoder() {
        UseEncoder("for a in \"$@\"; do echo \"$a\"; done > '" + dir / "args" + "'");
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
    void KeepOldMovie() { ASSERT_TRUE(Sys::WriteWholeFile(movie(), "old movie")); }
    std::string MovieBytes() const {
        std::string bytes;
        return Sys::ReadWholeFile(movie(), bytes) ? bytes : "(none)";
    }
    size_t TmpFiles() const {
        return Sys::ListFilesWithExtension(doc.folder() + "/tmp", "").size();
    }

    TempDir dir;
    Document doc;
    MoviePipeline pipeline{2};
    int ends = 0;
    std::optional<StandInProgram> encoder;
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
                  "-framerate 24 -i %08d.jpg -s 160x90 -crf 16 -shortest -progress pipe:1 \"" +
                  doc.folder() + "/tmp/movie.partial.mp4\"");
    std::string args;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "args", args));
    EXPECT_EQ(args.substr(0, 18), "-thread_queue_size");
    EXPECT_EQ(TmpFiles(), 0u);  // emptied although the encoder failed
    EXPECT_FALSE(fs::exists(movie()));
}

// The stand-ins write into the last argument, the partial movie.
TEST_F(MoviePipelineTest, AnEncoderThatFailsOrWritesNothingKeepsTheOldMovieByteForByte) {
    MakeProject(1, false);
    KeepOldMovie();
    UseEncoder(
        "for a; do last=$a; done; echo frame=3; echo 'No space left on device'; "
        "head -c 5000 /dev/urandom > \"$last\"; exit 1");
    std::string error = Create();
    EXPECT_EQ(error, "Error\r\n\r\n" + pipeline.encoderCommandLine());
    EXPECT_EQ(pipeline.Result().detail(), "frame=3\nNo space left on device\n");
    EXPECT_EQ(MovieBytes(), "old movie");
    EXPECT_EQ(TmpFiles(), 0u);

    // A full disk: status 0 and an empty movie.
    TearDown();
    UseEncoder("for a; do last=$a; done; : > \"$last\"");
    error = Create();
    EXPECT_EQ(error, "Error\r\n\r\n" + pipeline.encoderCommandLine());
    EXPECT_EQ(MovieBytes(), "old movie");
    EXPECT_EQ(TmpFiles(), 0u);
}

// A full disk, as a limit on the size of the files this process and its children write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with "File too large"
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit previous_{};
};

// Frame files that cannot be written end stage 3 with the reason; a direct run's encoder that
// cannot write the movie fails with its last lines. Either way tmp is emptied and the old movie
// stays.
TEST_F(MoviePipelineTest, AFullDiskFailsWithTheReasonAndKeepsTheOldMovie) {
    MakeProject(1, false);
    KeepOldMovie();
    FileSizeLimit full(600);
    const std::string error = Create();
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(MovieBytes(), "old movie");
    EXPECT_EQ(TmpFiles(), 0u);

    pipeline.SetDirect(true);
    const std::string encoderError = Create();
    EXPECT_EQ(encoderError, "Error\r\n\r\n" + pipeline.encoderCommandLine());
    EXPECT_NE(pipeline.Result().detail().find("File too large"), std::string::npos)
        << pipeline.Result().detail();
    EXPECT_EQ(MovieBytes(), "old movie");
    EXPECT_EQ(TmpFiles(), 0u);
}

TEST_F(MoviePipelineTest, RefusesBeforeAnyWorkNamingTheBadFiles) {
    MakeProject(1, true);
    doc.objects[0].fileName = u"gone.png";
    ASSERT_TRUE(Sys::WriteWholeFile(doc.folder() + "/sample.wav", "RIFF"));
    EXPECT_EQ(Create(), "The movie cannot be made:\nMissing file: " + doc.folder() + "/gone.png\n" +
                            doc.folder() +
                            "/sample.wav: WaveFile::OpenForReading - Cannot locate WAVE chunk");
    EXPECT_EQ(pipeline.RefusedObjects(), (std::vector<size_t>{0, 1}));
    EXPECT_EQ(ends, 0);
    EXPECT_FALSE(fs::exists(doc.folder() + "/tmp"));
}

TEST_F(MoviePipelineTest, AStopWhileEncodingEndsTheEncoderAndKeepsTheOldMovie) {
    MakeProject(1, false);
    KeepOldMovie();
    UseEncoder("echo $$ > '" + dir / "pid" + "'; echo frame=6; sleep 60 & wait");
    ASSERT_TRUE(pipeline.Start(doc, 0, 0, [this] { ++ends; }).ok());
    while (!fs::exists(dir / "pid") || pipeline.ProgressFraction() < 0.25) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(pipeline.CurrentStage(), 5);
    EXPECT_DOUBLE_EQ(pipeline.ProgressFraction(), 0.25);  // 6 of 24 frames
    const auto stop = std::chrono::steady_clock::now();
    pipeline.RequestStop();
    pipeline.Wait();
    // Ended by the stop, well before the stand-in's sleep would end.
    EXPECT_LT(std::chrono::steady_clock::now() - stop, std::chrono::seconds(20));
    EXPECT_TRUE(pipeline.Result().stopped());
    std::string pid;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "pid", pid));
    EXPECT_EQ(LiveProcessesOfGroup(std::stoi(pid)), 0);
    EXPECT_EQ(MovieBytes(), "old movie");
    EXPECT_EQ(Sys::ListFilesWithExtension(doc.folder() + "/tmp", ".jpg").size(), 24u);
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
    EXPECT_EQ(MovieBytes(), "old");  // the old movie stays

    // The stop does not carry over into the next run.
    doc.objects[0].end = doc.objects[1].end = 500;
    EXPECT_EQ(Create(), "");
    EXPECT_TRUE(pipeline.Result().ok());
}

TEST_F(MoviePipelineTest, WindowModeMakesTheSpanMovieWithoutSoundAndLeavesTheMovie) {
    MakeProject(2, true);
    KeepOldMovie();
    ASSERT_EQ(Create(1000, 1500), "");
    EXPECT_EQ(pipeline.encoderCommandLine().find("movie.wav"), std::string::npos);
    EXPECT_EQ(MovieBytes(), "old movie");
    const std::string span = doc.folder() + "/tmp/span.mp4";
    EXPECT_EQ(RunCommand({"ffprobe", "-v", "error", "-show_entries", "stream=codec_type", "-of",
                          "csv=p=0", span})
                  .out,
              "video\n");
    EXPECT_EQ(TmpFiles(), 1u);
}

TEST_F(MoviePipelineTest, APageObjectIsExportedAndDrawnInTheMovieAndInOneFrame) {
    const std::string probe = CorpusFile("cdr/probe.cdr");
    if (probe.empty()) GTEST_SKIP() << "no test corpus";
    const ScopedEnvironment cacheHome("XDG_CACHE_HOME", (dir / "cache").c_str());
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
    // A copy of the export stays for the page's timeline row.
    EXPECT_TRUE(fs::exists(PageExportCache().Path(doc.folder(), page)));

    doc.objects[0].fileName = u"missing.cdr";
    EXPECT_EQ(Create(),
              "The movie cannot be made:\nMissing file: " + doc.folder() + "/missing.cdr");
}

TEST_F(MoviePipelineTest, DirectRenderMakesTheSameMovieWithoutFrameFiles) {
    MakeProject(2, true);
    KeepOldMovie();
    pipeline.SetDirect(true);
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(Probe(), "video\naudio\n160,90,48\n");
    EXPECT_EQ(TmpFiles(), 0u);
    // One encoder run takes the streamed frames and the soundtrack.
    const std::string& line = pipeline.encoderCommandLine();
    EXPECT_NE(line.find("-i pipe:0"), std::string::npos);
    EXPECT_NE(line.find(doc.paths().soundtrack()), std::string::npos);

    doc.objects.pop_back();  // without sound the streamed video is the movie
    ASSERT_EQ(Create(), "");
    EXPECT_EQ(Probe(), "video\n160,90,48\n");
    ASSERT_EQ(Create(1000, 1500), "");
    EXPECT_EQ(TmpFiles(), 1u);  // the span movie
    EXPECT_EQ(
        RunCommand({"ffprobe", "-v", "error", "-count_frames", "-show_entries",
                    "stream=nb_read_frames", "-of", "csv=p=0", doc.folder() + "/tmp/span.mp4"})
            .out,
        "13\n");
}
