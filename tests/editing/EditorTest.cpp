#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "editing/EditorCommands.h"
#include "editing/EditorState.h"
#include "editing/EditorValidation.h"
#include "editing/PropertiesForm.h"
#include "panelwick/Sys/VideoBinWriter.h"
#include "project/ProjectFileList.h"
#include "support/TempDir.h"

namespace {

MovieObject Object(MovieObjectType type, uint32_t begin, uint32_t end) {
    MovieObject o;
    o.type = type;
    o.begin = begin;
    o.end = end;
    return o;
}

// The input as the editor shows the object on the Begin tab.
EditorInput InputFor(const MovieObject& o) {
    EditorInput in;
    in.state = StateControls::Show(o.beginState, o.begin);
    in.text = u"Hello";
    in.depth3D = 3;
    in.width = 400;
    in.height = 300;
    in.page = 1;
    return in;
}

// A frame folder whose video.bin ends at lengthMs.
void MakeVideo(const TempDir& dir, const std::string& name, uint32_t lengthMs) {
    std::filesystem::create_directory(dir / name);
    Sys::VideoBinWriter writer;
    ASSERT_TRUE(writer.Create(dir / name).ok());
    writer.Append(0);
    writer.Append(lengthMs);
    writer.Close();
}

}  // namespace

TEST(EditorState, TimeBoxesShowMinutesAndSecondsAndReadBack) {
    EXPECT_EQ(TimeMinutes(125500), 2);
    EXPECT_EQ(TimeSecondsText(125500), "05.5");
    EXPECT_EQ(TimeSecondsText(125000), "05");
    EXPECT_EQ(TimeSecondsText(59999), "60.0");  // "%04.1f" rounds the shown fraction
    EXPECT_EQ(EditorTimeMs(2, 5.5), 125500u);
    EXPECT_EQ(EditorTimeMs(0, 0.0004), 0u);
    EXPECT_EQ(EditorTimeMs(0, 0.0005), 1u);
    EXPECT_EQ(EditorTimeMs(-1, 0), 0u);
}

TEST(EditorState, NumberBoxesAndAccelerationTexts) {
    EXPECT_EQ(BoxText(8000000), "800");
    EXPECT_EQ(BoxText(-12345), "-1.2345");
    EXPECT_EQ(BoxText(2900), "0.29");
    EXPECT_EQ(BoxToStored(ParseBoxNumber(BoxText(2900))), 2900);  // shown values read back
    EXPECT_EQ(BoxToStored(999999), 2147000000);                   // clamped to 214700
    EXPECT_EQ(BoxToStored(-999999), -2147000000);
    EXPECT_EQ(AccelerationText(-15000),
              "\xE2\x88\x92"
              "1.5");
    EXPECT_EQ(AccelerationText(0), "0");
    EXPECT_EQ(ParseBoxNumber("\xE2\x88\x92"
                             "1.5"),
              -1.5);
    EXPECT_EQ(ParseBoxNumber("abc"), 0);
}

TEST(EditorState, ShowAndStoreRoundTripWithTheInvertedTransparency) {
    ObjectState s;
    s.x = 1234567;
    s.sizeX = 25000;
    s.rotZ = 900000;  // 90 degrees
    s.transparency = 200;
    const StateControls c = StateControls::Show(s, 7300);
    EXPECT_EQ(c.sizeXSlider, 250);
    EXPECT_EQ(c.rotZSlider, 45);
    EXPECT_EQ(c.transparency, 55);
    ObjectState back;
    EXPECT_EQ(c.Store(back), 7300u);
    EXPECT_EQ(back, s);

    StateControls zero = c;
    zero.transparency = 0;  // a transparency slider at 0 stores 255
    zero.Store(back);
    EXPECT_EQ(back.transparency, 255);
}

TEST(EditorState, ResetCentresAndNeutralises) {
    ObjectState s;
    s.x = 5;
    s.rotY = 7;
    s.transparency = 3;
    s.contrast = 0;
    ResetState(s);
    EXPECT_EQ(s.x, 8000000);
    EXPECT_EQ(s.y, 4500000);
    EXPECT_EQ(s.rotY, 0);
    EXPECT_EQ(s.transparency, 255);
    EXPECT_EQ(s.contrast, 127);
}

TEST(EditorValidation, RefusesEachBadInputWithItsTexts) {
    using Field = EditorRefusal::Field;
    const std::string sizeTitle = "Please provide a valid bigger than zero";
    const struct {
        MovieObjectType type;
        uint32_t end;  // the object begins at 2000
        std::function<void(EditorInput&)> change;
        EditorRefusal expected;
    } rows[] = {
        {MovieObjectType::Text, 2000, nullptr,
         EditorRefusal::Balloon(Field::EndTime, "Invalid T2", "T2 be bigger than T2")},
        {MovieObjectType::Text, 3000, [](EditorInput& in) { in.text.clear(); },
         EditorRefusal::Balloon(Field::Text, "Please provide a text", "Reelwork")},
        {MovieObjectType::Image, 3000, nullptr,
         EditorRefusal::Message("Click the Image button to select an image")},
        {MovieObjectType::CorelDrawPage, 3000, nullptr,
         EditorRefusal::Message("Click the Corel Draw button to select a Corel Draw file")},
        {MovieObjectType::Video, 3000, nullptr,
         EditorRefusal::Message("Click the Video button to select a video")},
        {MovieObjectType::Rectangle, 3000, [](EditorInput& in) { in.width = 0; },
         EditorRefusal::Balloon(Field::Width, sizeTitle, "Invalid Width")},
        {MovieObjectType::Rectangle, 3000, [](EditorInput& in) { in.height = 0; },
         EditorRefusal::Balloon(Field::Height, sizeTitle, "Invalid Height")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected.text);
        MovieObject object = Object(row.type, 2000, row.end);
        EditorInput in = InputFor(object);
        if (row.change) row.change(in);
        const EditorRefusal r = ValidateEdit(in, object, false, "/nonexistent");
        EXPECT_EQ(r.kind, row.expected.kind);
        EXPECT_EQ(r.field, row.expected.field);
        EXPECT_EQ(r.title, row.expected.title);
        EXPECT_EQ(r.text, row.expected.text);
    }
}

TEST(EditorValidation, SilentValidationTakesWhatItCanAndNeverRefuses) {
    MovieObject rect = Object(MovieObjectType::Rectangle, 5000, 5000);
    EditorInput in = InputFor(rect);
    in.width = 0;
    in.height = 77;
    in.depth3D = 500;
    in.frontColor = 0x123456;
    in.accelerationX = -2.5;
    EXPECT_FALSE(ValidateEdit(in, rect, true, "/x").refused());
    EXPECT_EQ(rect.width, 400u);  // a zero width is not taken
    EXPECT_EQ(rect.height, 77u);
    EXPECT_EQ(rect.depth3D, 100);
    EXPECT_EQ(rect.frontColor, 0x123456u);
    EXPECT_EQ(rect.accelerationX, -25000);
}

TEST(EditorValidation, PageNumbersOutsideOneTo49BecomeOne) {
    MovieObject page = Object(MovieObjectType::CorelDrawPage, 0, 1000);
    page.fileName = u"drawing.cdr";
    for (auto [typed, kept] : {std::pair{0, 1}, {50, 1}, {-3, 1}, {49, 49}}) {
        EditorInput in = InputFor(page);
        in.page = typed;
        page.page = 9;
        EXPECT_FALSE(ValidateEdit(in, page, false, "/x").refused());
        EXPECT_EQ(page.page, kept) << typed;
    }
}

TEST(EditorValidation, VideoSkipAndEndAreLimitedByTheVideoLength) {
    TempDir dir;
    MakeVideo(dir, "clip", 8000);
    MovieObject video = Object(MovieObjectType::Video, 1000, 20000);
    video.fileName = u"clip";
    EditorInput in = InputFor(video);
    in.skipSeconds = 3;
    EXPECT_FALSE(ValidateEdit(in, video, false, dir.path().string()).refused());
    EXPECT_EQ(video.skip, 3000u);
    EXPECT_EQ(video.end, 6000u);

    video.end = 20000;
    in.skipSeconds = 9;
    ValidateEdit(in, video, false, dir.path().string());
    EXPECT_EQ(video.skip, 0u);
    EXPECT_EQ(video.end, 9000u);
    EXPECT_EQ(VideoEndAfterChoice(video, dir.path().string()), 9000u);
}

TEST(EditorCommands, AlignmentsPlaceThePictureAgainstEdgesAndCentres) {
    ObjectState s;
    s.sizeX = 5000;
    s.sizeY = 20000;
    const auto right = Align(EditorCommand::AlignRight, 400, 100, s);
    EXPECT_TRUE(right.xBox);
    EXPECT_EQ(right.value, 1500);
    EXPECT_EQ(Align(EditorCommand::AlignLeft, 400, 100, s).value, 100);
    EXPECT_EQ(Align(EditorCommand::AlignTop, 400, 100, s).value, 100);
    EXPECT_EQ(Align(EditorCommand::AlignBottom, 400, 100, s).value, 800);
    EXPECT_EQ(Align(EditorCommand::CenterHorizontally, 1, 1, s).value, 800);
    EXPECT_FALSE(Align(EditorCommand::CenterVertically, 1, 1, s).xBox);
    EXPECT_FALSE(Align(EditorCommand::Refresh, 1, 1, s).valid);
}

TEST(EditorCommands, ButtonTextsAndTitles) {
    MovieObject text = Object(MovieObjectType::Text, 0, 1);
    text.fileName = u"DejaVu Serif";
    text.fontSize = 40;
    text.fontStyle = MovieObject::kBold | MovieObject::kItalic;
    EXPECT_EQ(FileButtonText(text), "DejaVu Serif 40 Bold Italic");
    EXPECT_EQ(FileButtonText(Object(MovieObjectType::CorelDrawPage, 0, 1)), "Corel Draw");
    EXPECT_STREQ(EditorTitle(MovieObjectType::CorelDrawPage), "Corel Draw file");
    EXPECT_TRUE(BlackTextOn(0xFFFFFF));
    EXPECT_FALSE(BlackTextOn(0x000000));
    EXPECT_TRUE(BlackTextOn(0x009900));   // green 153: (153 x 587 + 500) / 1000 = 90
    EXPECT_FALSE(BlackTextOn(0x009800));  // green 152: 89
    EXPECT_FALSE(BlackTextOn(0x0000FF));  // red 255: 76
}

TEST(PropertiesForm, ListsFallBackForUnknownValuesAndBlockOk) {
    MovieProperties p;
    p.width = 800;
    p.height = 600;
    p.fps = 99;
    p.movieQuality = 72;
    p.darkTheme = true;
    PropertiesForm form = PropertiesForm::FromProperties(p);
    EXPECT_EQ(form.size, 7);
    EXPECT_EQ(form.fps, 23);
    EXPECT_EQ(form.movieQuality, -1);
    const MovieProperties before = p;
    EXPECT_FALSE(form.Apply(p));
    EXPECT_EQ(p, before);
    form.movieQuality = 13;  // 70
    ASSERT_TRUE(form.Apply(p));
    EXPECT_EQ(p.width, 1280);
    EXPECT_EQ(p.height, 720);
    EXPECT_EQ(p.fps, 24);
    EXPECT_EQ(p.movieQuality, 70);
    EXPECT_TRUE(p.darkTheme);

    std::string sizes;
    for (const auto& item : PropertiesForm::Sizes()) sizes += item.text + " ";
    EXPECT_EQ(sizes,
              "160x90 320x180 426x240 480x270 640x360 800x450 853x480 1280x720 1600x900 "
              "1920x1080 2560x1440 ");
    EXPECT_EQ(PropertiesForm::FramesPerSecond()[23].text, "24 recommended");
    EXPECT_EQ(PropertiesForm::JpgQualities().size(), 91u);
}

TEST(ProjectFileList, ListsTheTypesFilesSortedWithoutCase) {
    TempDir dir;
    for (const char* name : {"b.PNG", "A.jpg", "c.gif", "d.bmp", "e.txt", "song.wav", "p.cdr"}) {
        std::ofstream(dir / name) << "x";
    }
    MakeVideo(dir, "Clip", 40);
    std::filesystem::create_directory(dir / "empty");
    const std::string folder = dir.path().string();
    const auto images = ListProjectFiles(MovieObjectType::Image, folder);
    EXPECT_EQ(images, (std::vector<std::string>{"A.jpg", "b.PNG", "c.gif", "d.bmp"}));
    EXPECT_EQ(IndexOfName(images, "c.gif"), 2);
    EXPECT_EQ(IndexOfName(images, "a.jpg"), -1);
    EXPECT_EQ(ListProjectFiles(MovieObjectType::Video, folder), std::vector<std::string>{"Clip"});
    EXPECT_EQ(ListProjectFiles(MovieObjectType::Audio, folder),
              std::vector<std::string>{"song.wav"});
    EXPECT_EQ(ListProjectFiles(MovieObjectType::CorelDrawPage, folder),
              std::vector<std::string>{"p.cdr"});
    EXPECT_TRUE(ListProjectFiles(MovieObjectType::Image, folder + "/missing").empty());
}
