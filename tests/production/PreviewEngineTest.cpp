#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include <gtest/gtest.h>

#include "panelwick/CG/BitmapLoader.h"
#include "production/PreviewCache.h"
#include "production/PreviewFrames.h"
#include "project/Document.h"
#include "support/FakePrompt.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {

// The new project's sample picture and sound, with a rotating copy of the picture, a text and
// a rectangle, at a 320 x 180 movie size.
class PreviewEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakePrompt prompt;
        ASSERT_TRUE(doc.New(dir / "Trip", prompt));
        doc.properties.width = 320;
        doc.properties.height = 180;
        MovieObject turning = doc.objects[0];
        turning.begin = 1000;
        turning.end = 4000;
        turning.endState.rotZ = 900000;
        turning.endState.sizeX = turning.endState.sizeY = 5000;
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Hello";
        text.end = 5000;
        MovieObject box;
        box.type = MovieObjectType::Rectangle;
        box.begin = 500;
        box.end = 3000;
        doc.objects.insert(doc.objects.end(), {turning, text, box});
    }

    std::shared_ptr<PreviewSnapshot> Snapshot(uint64_t revision) {
        auto s = std::make_shared<PreviewSnapshot>();
        s->revision = revision;
        s->objects = doc.objects;
        s->properties = doc.properties;
        s->paths = doc.paths();
        return s;
    }

    static bool SamePixels(const CG::DIBitmap& a, const CG::DIBitmap& b) {
        if (a.width() != b.width() || a.height() != b.height()) return false;
        for (int32_t y = 0; y < a.height(); ++y) {
            if (!std::equal(a.Row(y), a.Row(y) + 3 * a.width(), b.Row(y))) return false;
        }
        return true;
    }

    TempDir dir;
    Document doc;
};

}  // namespace

TEST_F(PreviewEngineTest, FramesEqualRenderFramesPicturesAtTheSameMovieSize) {
    ASSERT_TRUE(doc.Save().ok());
    PreviewCache cache;
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched()).ok());
    CG::DIBitmap frame;
    for (uint32_t f : {0u, 20u, 40u, 61u, 100u}) {
        const std::string out = dir / ("f" + std::to_string(f) + ".bmp");
        ASSERT_EQ(RunCli({"render-frame", doc.file(), std::to_string(f), out}).status, 0);
        CG::DIBitmap reference;
        ASSERT_TRUE(CG::LoadBitmap(reference, out).ok());
        ASSERT_TRUE(cache.Compose(f, 320, 180, frame).ok());
        EXPECT_TRUE(SamePixels(frame, reference)) << "frame " << f;
    }
    // Another size recomputes the movement only; back at the first size the frame is the same.
    CG::DIBitmap big, again;
    ASSERT_TRUE(cache.Compose(40, 640, 360, big).ok());
    EXPECT_EQ(big.width(), 640);
    ASSERT_TRUE(cache.Compose(40, 320, 180, again).ok());
    CG::DIBitmap reference;
    ASSERT_TRUE(CG::LoadBitmap(reference, dir / "f40.bmp").ok());
    EXPECT_TRUE(SamePixels(again, reference));
}

TEST_F(PreviewEngineTest, AnEditPreparesOnlyTheObjectItChanged) {
    PreviewCache cache;
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.lastPrepared(), doc.objects.size());
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.lastPrepared(), 0u);  // same revision: nothing to compare

    doc.objects[3].text = u"Bye";
    std::swap(doc.objects[0], doc.objects[2]);  // a reorder prepares nothing
    ASSERT_TRUE(cache.Update(*Snapshot(2), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.lastPrepared(), 1u);

    // A picture rewritten on disk is prepared again, for both objects that show it.
    const std::filesystem::path picture =
        doc.paths().folder() + "/" +
        std::string(doc.objects[0].fileName.begin(), doc.objects[0].fileName.end());
    std::filesystem::last_write_time(
        picture, std::filesystem::last_write_time(picture) + std::chrono::seconds(5));
    ASSERT_TRUE(cache.Update(*Snapshot(3), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.lastPrepared(), 2u);

    // A cancelled update stops after one object; the next one finishes the rest.
    for (MovieObject& o : doc.objects) o.begin += 1;
    Mt::Task cancelled;
    cancelled.Cancel();
    EXPECT_TRUE(cache.Update(*Snapshot(4), cancelled).stopped());
    EXPECT_EQ(cache.lastPrepared(), 1u);
    ASSERT_TRUE(cache.Update(*Snapshot(4), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.lastPrepared(), doc.objects.size() - 1);
}

TEST_F(PreviewEngineTest, AnObjectThatCannotLoadIsDrawnAsAPlaceholder) {
    PreviewCache cache;
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched()).ok());
    CG::DIBitmap without, with;
    ASSERT_TRUE(cache.Compose(0, 320, 180, without).ok());
    MovieObject gone = doc.objects[0];
    gone.fileName = u"gone.jpg";
    gone.type = MovieObjectType::Image;
    doc.objects.push_back(gone);
    ASSERT_TRUE(cache.Update(*Snapshot(2), Mt::Task::Unwatched()).ok());
    EXPECT_EQ(cache.failures(), std::vector<std::string>{"gone.jpg: Error reading the file"});
    ASSERT_TRUE(cache.Compose(0, 320, 180, with).ok());
    EXPECT_FALSE(SamePixels(without, with));
}

TEST_F(PreviewEngineTest, TheNewestRequestWinsAndStaleOnesAreDropped) {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<uint64_t> delivered;
    bool release = false;
    PreviewFrames frames([&](PreviewFrames::Frame f) {
        std::unique_lock lock(mutex);
        delivered.push_back(f.id);
        changed.notify_all();
        // The first frame holds the worker until the test has queued more requests.
        changed.wait(lock, [&] { return release; });
    });
    auto snapshot = Snapshot(1);
    frames.Post({snapshot, 10, 160, 90});
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(
            changed.wait_for(lock, std::chrono::seconds(30), [&] { return !delivered.empty(); }));
    }
    frames.Post({snapshot, 11, 160, 90});
    frames.Post({snapshot, 12, 160, 90});
    const uint64_t last = frames.Post({snapshot, 13, 160, 90});
    std::unique_lock lock(mutex);
    release = true;
    changed.notify_all();
    ASSERT_TRUE(
        changed.wait_for(lock, std::chrono::seconds(30), [&] { return delivered.size() == 2; }));
    EXPECT_EQ(delivered, (std::vector<uint64_t>{1, last}));
}

// Only the objects near the frame are held prepared: a long slideshow costs the memory of a
// few pictures wherever the playhead is, and moving far away prepares the objects there.
TEST_F(PreviewEngineTest, OnlyTheObjectsNearTheFrameAreHeldPrepared) {
    const MovieObject picture = doc.objects[0];
    doc.objects.clear();
    for (uint32_t i = 0; i < 100; ++i) {
        MovieObject o = picture;
        o.type = MovieObjectType::Image;
        o.begin = i * 2000;
        o.end = o.begin + 2000;
        doc.objects.push_back(o);
    }
    const uint32_t fps = doc.properties.fps;
    PreviewCache cache;
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched(), 100 * fps).ok());
    EXPECT_EQ(cache.lastPrepared(), 7u);  // shown from 98 s to 108 s, both ends included
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched(), 104 * fps).ok());
    EXPECT_EQ(cache.lastPrepared(), 0u);  // still well inside
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched(), 106 * fps).ok());
    EXPECT_EQ(cache.lastPrepared(), 3u);  // the span moves on: 104 s to 114 s
    ASSERT_TRUE(cache.Update(*Snapshot(1), Mt::Task::Unwatched(), 0).ok());
    EXPECT_EQ(cache.lastPrepared(), 5u);  // 0 s to 8 s, none of them held any more
    CG::DIBitmap near, reference;
    ASSERT_TRUE(cache.Compose(fps, 320, 180, near).ok());
    PreviewCache whole;
    ASSERT_TRUE(whole.Update(*Snapshot(1), Mt::Task::Unwatched(), fps).ok());
    ASSERT_TRUE(whole.Compose(fps, 320, 180, reference).ok());
    EXPECT_TRUE(SamePixels(near, reference));
}
