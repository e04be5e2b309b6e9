#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/FrameStream.h"
#include "production/ScenePreparation.h"
#include "project/Document.h"
#include "render/FrameComposer.h"
#include "render/FramePlanes.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"
#include "video/EncoderRun.h"

namespace {

// The new project's picture sliding over a text, at a size that is not a whole number of
// macroblocks, prepared as movie creation prepares it.
class FrameStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakePrompt prompt;
        ASSERT_TRUE(doc.New(dir / "Trip", prompt));
        doc.properties.width = 200;
        doc.properties.height = 90;
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Hello";
        doc.objects.insert(doc.objects.begin(), text);
        preparation = std::make_unique<ScenePreparation>(doc.objects, doc.properties, doc.paths());
        ASSERT_TRUE(preparation->PrepareAll(Mt::Task::Unwatched()).ok());
    }

    // The planes of composed frames first .. first + count - 1, one after another.
    std::string ComposedPlanes(uint32_t first, uint32_t count) {
        FrameScene scene = preparation->scene().frameScene();
        CG::DIBitmap frame;
        EXPECT_TRUE(frame.Create(24, 0, 200, 90, false));
        CG::ImageRGBA video;
        std::string all;
        std::vector<uint8_t> planes(FramePlanes::Size(200, 90));
        for (uint32_t f = first; f < first + count; ++f) {
            EXPECT_TRUE(ComposeFrame(scene, f, frame, video).ok());
            EXPECT_TRUE(FramePlanes().Convert(frame, planes.data()));
            all.append(reinterpret_cast<const char*>(planes.data()), planes.size());
        }
        return all;
    }

    TempDir dir;
    Document doc;
    std::unique_ptr<ScenePreparation> preparation;
};

}  // namespace

// What the encoder reads from its input is every composed frame's planes, in frame order,
// whichever worker composed it.
TEST_F(FrameStreamTest, TheProgramReadsTheComposedFramesInOrder) {
    const std::string raw = dir / "raw";
    for (unsigned workers : {1u, 3u}) {
        FrameStream stream(preparation->scene().frameScene(), {5, 30}, workers);
        Mt::Task task;
        EncoderRun run;
        ASSERT_TRUE(run.Run("sh -c \"cat > '" + raw + "'\"", {}, task, {},
                            [&](Sys::Process& program) { stream.Feed(program, task); })
                        .ok());
        EXPECT_EQ(stream.written(), 30u);
        EXPECT_EQ(task.progress(), 1.0);
        std::string piped;
        ASSERT_TRUE(Sys::ReadWholeFile(raw, piped));
        EXPECT_TRUE(piped == ComposedPlanes(5, 30)) << workers << " workers";
    }
}

// A program that stops reading ends the stream; a stop ends it too; neither hangs.
TEST_F(FrameStreamTest, AProgramThatEndsEarlyOrAStopEndsTheStream) {
    FrameStream stream(preparation->scene().frameScene(), {0, 200}, 2);
    Mt::Task task;
    EncoderRun run;
    const Mt::TaskResult result =
        run.Run("sh -c \"head -c 100000 > /dev/null; exit 3\"", {}, task, {},
                [&](Sys::Process& program) { stream.Feed(program, task); });
    EXPECT_TRUE(result.failed());
    EXPECT_LT(stream.written(), 200u);

    FrameStream stopped(preparation->scene().frameScene(), {0, 200}, 2);
    Mt::Task stopTask;
    const Mt::TaskResult stop =
        run.Run("sh -c \"sleep 30\"", {}, stopTask, {}, [&](Sys::Process& program) {
            stopTask.Cancel();
            stopped.Feed(program, stopTask);
        });
    EXPECT_TRUE(stop.stopped());
}
