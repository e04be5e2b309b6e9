#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/FrameStream.h"
#include "production/ObjectsOnDemand.h"
#include "production/ScenePreparation.h"
#include "project/Document.h"
#include "render/CreateFrame.h"
#include "render/FrameComposer.h"
#include "render/FramePlanes.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"
#include "video/EncoderRun.h"

namespace {

constexpr uint32_t kFrames = 72;  // 3 s at 24 fps

// Twelve pictures shown one after another for a quarter second each, over a text shown
// throughout: prepared up front (the reference) and prepared on demand.
class ObjectsOnDemandTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakePrompt prompt;
        ASSERT_TRUE(doc.New(dir / "Trip", prompt));
        doc.properties.width = 160;
        doc.properties.height = 90;
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Slides";
        text.end = 3000;
        const MovieObject picture = doc.objects[0];
        doc.objects = {text};
        for (uint32_t i = 0; i < 12; ++i) {
            MovieObject slide = picture;
            slide.begin = i * 250;
            slide.end = i * 250 + 249;
            slide.beginState.x = slide.endState.x = 4000000 + int32_t(i) * 500000;
            doc.objects.push_back(slide);
        }
        upFront = std::make_unique<ScenePreparation>(doc.objects, doc.properties, doc.paths());
        ASSERT_TRUE(upFront->PrepareAll(Mt::Task::Unwatched()).ok());
        onDemand = std::make_unique<ScenePreparation>(doc.objects, doc.properties, doc.paths());
    }

    // The JPG files of the frames, rendered by two workers.
    std::vector<std::string> FrameFiles(PreparedScene& scene, IFrameObjects* objects) {
        std::filesystem::create_directories(doc.paths().tmp());
        std::atomic<uint32_t> done{0};
        Mt::Task task;
        Mt::SharedText error;
        FrameJob job{scene.frameScene(), kFrames, 0, 0, done, task, error, {}, objects};
        {
            std::vector<std::jthread> workers;
            for (uint32_t w = 0; w < 2; ++w) {
                workers.emplace_back([&, w] {
                    WorkMemory memory;
                    memory.Reset(160, 90);
                    CreateFrame(w, 2, job, memory);
                });
            }
        }
        EXPECT_EQ(error.Get(), "");
        std::vector<std::string> files(kFrames);
        for (uint32_t f = 0; f < kFrames; ++f) {
            EXPECT_TRUE(Sys::ReadWholeFile(doc.paths().frame(f + 1), files[f]));
        }
        return files;
    }

    TempDir dir;
    Document doc;
    std::unique_ptr<ScenePreparation> upFront, onDemand;
};

}  // namespace

TEST_F(ObjectsOnDemandTest, FrameFilesAreTheSameAndFewPicturesAreHeldAtOnce) {
    const std::vector<std::string> reference = FrameFiles(upFront->scene(), nullptr);
    ObjectsOnDemand objects(onDemand->scene(), 2, kFrames);
    EXPECT_TRUE(FrameFiles(onDemand->scene(), &objects) == reference);
    // The text and, per worker, the slide on screen and perhaps the next.
    EXPECT_GE(objects.mostReady(), 2u);
    EXPECT_LE(objects.mostReady(), 5u);
    EXPECT_EQ(objects.ready(), 0u);
    EXPECT_TRUE(onDemand->scene().prepared[5].picture.empty());
}

TEST_F(ObjectsOnDemandTest, StreamedFramesAreTheSameWithThreeWorkers) {
    ObjectsOnDemand objects(onDemand->scene(), 3, kFrames);
    FrameStream stream(onDemand->scene().frameScene(), {0, kFrames}, 3, &objects);
    Mt::Task task;
    EncoderRun run;
    const std::string raw = dir / "raw";
    ASSERT_TRUE(run.Run("sh -c \"cat > '" + raw + "'\"", {}, task, {},
                        [&](Sys::Process& program) { stream.Feed(program, task); })
                    .ok());
    std::string piped;
    ASSERT_TRUE(Sys::ReadWholeFile(raw, piped));

    FrameScene scene = upFront->scene().frameScene();
    CG::DIBitmap frame;
    ASSERT_TRUE(frame.Create(24, 0, 160, 90, false));
    CG::ImageRGBA video;
    std::vector<uint8_t> planes(FramePlanes::Size(160, 90));
    std::string expected;
    for (uint32_t f = 0; f < kFrames; ++f) {
        ASSERT_TRUE(ComposeFrame(scene, f, frame, video).ok());
        FramePlanes().Convert(frame, planes.data());
        expected.append(reinterpret_cast<const char*>(planes.data()), planes.size());
    }
    EXPECT_TRUE(piped == expected);
    EXPECT_LE(objects.mostReady(), 6u);
    EXPECT_EQ(objects.ready(), 0u);
}
