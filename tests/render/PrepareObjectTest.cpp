#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Sys/FileSystem.h"
#include "render/FrameComposer.h"
#include "render/PrepareObject.h"
#include "support/TempDir.h"

namespace {

// A JPG of one colour.
void WriteJpg(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    CG::DIBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(24, 0, w, h, false));
    ASSERT_TRUE(bitmap.Fill(r, g, b));
    CG::JpegEncoder encoder;
    ASSERT_TRUE(encoder.EncodeToFile(bitmap, path, 95));
}

void WriteVideoBin(const std::string& path, const std::vector<uint32_t>& times) {
    std::string bytes;
    for (uint32_t t : times) {
        for (int i = 0; i < 4; ++i) bytes += char(t >> (8 * i));
    }
    ASSERT_TRUE(Sys::WriteWholeFile(path, bytes));
}

MovieObject OfType(MovieObjectType type, const std::u16string& fileName = u"") {
    MovieObject o;
    o.type = type;
    o.fileName = fileName;
    return o;
}

}  // namespace

TEST(PrepareObject, ImagesAndPagesLoadTheirPictureThenTheRates) {
    TempDir project;
    CG::ImageRGBA source;
    ASSERT_TRUE(source.Create(3, 2));
    source.pixels()[0] = 200;
    source.pixels()[3] = 255;
    ASSERT_TRUE(CG::PngWriter::Save(source, project / "a.png").ok());

    MovieObject image = OfType(MovieObjectType::Image, u"a.png");
    image.endState.x = 16000000;  // 1280 pixels across in one second
    PreparedObject prepared;
    ASSERT_TRUE(PrepareObject(image, prepared, project.path().string(), 1280, 720).ok());
    EXPECT_EQ(prepared.picture.width(), 3u);
    EXPECT_EQ(prepared.picture.pixels()[0], 200);
    EXPECT_DOUBLE_EQ(prepared.rates.velocityX, 1280);
    image.fileName = u"missing.png";
    EXPECT_TRUE(PrepareObject(image, prepared, project.path().string(), 1280, 720).failed());

    // A page without its export shows the 300 x 300 placeholder; with it, the export.
    MovieObject page = OfType(MovieObjectType::CorelDrawPage, u"doc.cdr");
    ASSERT_TRUE(PrepareObject(page, prepared, project.path().string(), 1280, 720).ok());
    EXPECT_EQ(prepared.picture.width(), 300u);
    EXPECT_EQ(prepared.picture.height(), 300u);
    std::filesystem::create_directory(project.path() / "tmp");
    ASSERT_TRUE(CG::PngWriter::Save(source, project / "tmp/cdrtmp.png").ok());
    ASSERT_TRUE(PrepareObject(page, prepared, project.path().string(), 1280, 720).ok());
    EXPECT_EQ(prepared.picture.width(), 3u);

    PreparedObject audio;
    ASSERT_TRUE(PrepareObject(OfType(MovieObjectType::Audio, u"x.wav"), audio, "", 1, 1).ok());
    EXPECT_TRUE(audio.picture.empty());
}

// A video of a red first picture (16 x 8) and a blue second one (32 x 16), at times 0, 100, 200.
class VideoObject : public ::testing::Test {
protected:
    TempDir project;
    std::string folder = project.path().string();
    std::vector<MovieObject> objects{OfType(MovieObjectType::Video, u"clip")};
    std::vector<PreparedObject> prepared = std::vector<PreparedObject>(1);
    MovieProperties properties;
    CG::DIBitmap frame;
    CG::ImageRGBA video;

    void SetUp() override {
        std::filesystem::create_directory(project.path() / "clip");
        WriteJpg(project / "clip/00000001.jpg", 16, 8, 255, 0, 0);
        WriteJpg(project / "clip/00000002.jpg", 32, 16, 0, 0, 255);
        WriteVideoBin(project / "clip/video.bin", {0, 100, 200});
        properties.fps = 10;
        properties.width = 16;
        properties.height = 8;
        properties.backColor = 0;
        // The first picture's size fills the 16 x 8 frame.
        for (ObjectState* s : {&objects[0].beginState, &objects[0].endState}) {
            s->x = 8000000;
            s->y = 4500000;
            s->sizeX = 1000000;
            s->sizeY = 1125000;
        }
        ASSERT_TRUE(frame.Create(24, 0, 16, 8, false));
    }

    // The centre pixel of frame f as red, green, blue.
    std::array<int, 3> Centre(uint32_t f) {
        const FrameScene scene{objects, prepared, properties, folder};
        const Sys::Result result = ComposeFrame(scene, f, frame, video);
        EXPECT_TRUE(result.ok()) << result.message();
        const uint8_t* p = frame.Row(4) + 3 * 8;
        return {p[2], p[1], p[0]};
    }
};

TEST_F(VideoObject, PicksThePictureForTheInstantAndFallsBackToTheFirst) {
    ASSERT_TRUE(PrepareObject(objects[0], prepared[0], folder, 16, 8).ok());
    EXPECT_EQ(prepared[0].picture.width(), 16u);
    EXPECT_EQ(prepared[0].frameTimes.count(), 3u);

    EXPECT_GT(Centre(0)[0], 200);  // time 0 selects picture 0, which is missing: the first
    EXPECT_GT(Centre(1)[0], 200);  // time 100: picture 1
    const auto blue = Centre(2);   // time 200: picture 2, drawn at the first picture's size
    EXPECT_GT(blue[2], 200);
    EXPECT_LT(blue[0], 50);
    EXPECT_EQ(video.width(), 32u);  // the worker's own video picture
    EXPECT_GT(Centre(3)[0], 200);   // past the last entry: the first picture again
    EXPECT_EQ(video.width(), 16u);

    // The skip moves the instant inside the video.
    objects[0].skip = 100;
    EXPECT_GT(Centre(1)[2], 200);
}

TEST_F(VideoObject, MissingPicturesAndTableFail) {
    std::filesystem::remove(project.path() / "clip/video.bin");
    EXPECT_EQ(PrepareObject(objects[0], prepared[0], folder, 16, 8).message(),
              "Unable to load video.bin\nclip");
    WriteVideoBin(project / "clip/video.bin", {0, 100, 200});
    ASSERT_TRUE(PrepareObject(objects[0], prepared[0], folder, 16, 8).ok());
    std::filesystem::remove(project.path() / "clip/00000001.jpg");
    const FrameScene scene{objects, prepared, properties, folder};
    EXPECT_TRUE(ComposeFrame(scene, 2, frame, video).ok());
    EXPECT_EQ(ComposeFrame(scene, 1, frame, video).message(), "Error while loading video frame");
    EXPECT_TRUE(PrepareObject(objects[0], prepared[0], folder, 16, 8).failed());
}
