#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "render/CreateFrame.h"
#include "render/FrameFile.h"
#include "render/FrameTiming.h"
#include "render/RectanglePicture.h"
#include "support/TempDir.h"

namespace {

// A project of one small rectangle shown for the whole movie, frames of 32 x 18.
struct Movie {
    TempDir folder;
    std::vector<MovieObject> objects;
    std::vector<PreparedObject> prepared;
    MovieProperties properties;
    std::atomic<uint32_t> framesDone{0};
    Mt::Task task;
    Mt::SharedText errorText;
    int notices = 0;

    explicit Movie(uint32_t end, uint8_t fps = 10) {
        properties.fps = fps;
        properties.width = 32;
        properties.height = 18;
        MovieObject o;
        o.type = MovieObjectType::Rectangle;
        o.end = end;
        o.width = 8;
        o.height = 4;
        objects.push_back(o);
        prepared.resize(1);
        EXPECT_TRUE(MakeRectanglePicture(o, prepared[0].picture).ok());
        std::filesystem::create_directory(folder.path() / "tmp");
    }

    FrameJob Job(uint32_t frames) {
        return FrameJob{
            .scene = {objects, prepared, properties, folder.path().string()},
            .frameCount = frames,
            .framesDone = framesDone,
            .task = task,
            .errorText = errorText,
            .notifyError = [this] { ++notices; },
        };
    }

    // Runs n workers over the job, each with its own memory, and waits for them.
    void Run(const FrameJob& job, uint32_t n) {
        std::vector<WorkMemory> memory(n);
        std::vector<std::jthread> workers;
        for (uint32_t i = 0; i < n; ++i) {
            ASSERT_TRUE(memory[i].Reset(properties.width, properties.height));
            workers.emplace_back([&, i] { CreateFrame(i, n, job, memory[i]); });
        }
    }

    size_t FileCount() const {
        size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "tmp")) {
            count += entry.path().extension() == ".jpg";
        }
        return count;
    }
    bool HasFile(uint32_t number) const {
        return std::filesystem::exists(FrameFilePath(folder.path().string(), number));
    }
};

}  // namespace

TEST(CreateFrame, WorkersWriteEveryFrameOnceAndCountProgress) {
    Movie movie(1000);
    const FrameJob job = movie.Job(10);
    movie.Run(job, 4);
    EXPECT_EQ(movie.FileCount(), 10u);
    EXPECT_TRUE(movie.HasFile(1));
    EXPECT_TRUE(movie.HasFile(10));
    EXPECT_EQ(movie.framesDone.load(), 10u);
    EXPECT_EQ(movie.task.progress(), 1.0);
    EXPECT_EQ(movie.notices, 0);
}

TEST(CreateFrame, WindowModeWritesTheWindowNumberedFromOne) {
    Movie movie(1000);
    FrameJob job = movie.Job(10);
    job.windowBegin = 300;  // frames 3 to 6
    job.windowEnd = 600;
    movie.Run(job, 3);
    EXPECT_EQ(movie.FileCount(), 4u);
    EXPECT_TRUE(movie.HasFile(4));
    EXPECT_FALSE(movie.HasFile(5));
    EXPECT_EQ(movie.framesDone.load(), 10u);  // skipped frames count too
}

TEST(CreateFrame, StopLetsEachWorkerFinishItsFrameAndWriteNoMore) {
    Movie before(1000);
    before.task.Cancel();
    before.Run(before.Job(10), 1);
    EXPECT_EQ(before.FileCount(), 0u);

    Movie during(200000);
    const FrameJob job = during.Job(2000);
    std::jthread stopper([&] {
        while (during.framesDone.load() < 5) std::this_thread::yield();
        during.task.Cancel();
    });
    during.Run(job, 2);
    EXPECT_LT(during.framesDone.load(), 2000u);
    EXPECT_EQ(during.FileCount(), during.framesDone.load());
}

TEST(CreateFrame, ErrorStoresTheTextNotifiesAndStopsTheOthers) {
    Movie movie(1000);
    std::filesystem::remove(movie.folder.path() / "tmp");  // nowhere to write
    movie.Run(movie.Job(10), 1);
    EXPECT_EQ(movie.errorText.Get(),
              "Document::CreateFrame error workMemory.jpgImage.Encode\nNo such file or directory");
    EXPECT_EQ(movie.notices, 1);
    EXPECT_TRUE(movie.task.Cancelled());
    EXPECT_EQ(movie.framesDone.load(), 0u);

    // A draw error: the frame is not 24-bit.
    Movie other(1000);
    const FrameJob job = other.Job(10);
    WorkMemory memory;
    ASSERT_TRUE(memory.frame.Create(32, 0, 32, 18, false));
    CreateFrame(0, 1, job, memory);
    EXPECT_EQ(other.errorText.Get(), "The destination bitmap must have 24 bits per pixel");
    EXPECT_EQ(other.FileCount(), 0u);
}

// 8.2 s at 15 frames per second are 123 frames, the count the soundtrack is made for too.
TEST(CreateFrame, EightPointTwoSecondsAtFifteenFpsAreOneHundredTwentyThreeFrames) {
    Movie movie(8200, 15);
    movie.Run(movie.Job(MovieFrameCount(movie.objects, movie.properties.fps)), 2);
    EXPECT_EQ(movie.FileCount(), 123u);
    EXPECT_TRUE(movie.HasFile(123));
    EXPECT_FALSE(movie.HasFile(124));
}
