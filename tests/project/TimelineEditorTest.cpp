#include <gtest/gtest.h>

#include "project/Document.h"
#include "project/TimelineEditor.h"
#include "support/FakePrompt.h"

namespace {

class FakeClipboard : public IObjectClipboard {
public:
    std::string block;
    bool Put(const std::string& b) override {
        block = b;
        return true;
    }
    bool Get(std::string& b) override {
        b = block;
        return !block.empty();
    }
};

MovieObject Object(MovieObjectType type, uint32_t begin, uint32_t end) {
    MovieObject o;
    o.type = type;
    o.begin = begin;
    o.end = end;
    return o;
}

class TimelineEditorTest : public ::testing::Test {
protected:
    void SetUp() override { doc.SetFile("/movies/p/p.rwk", "/movies/p"); }
    void Rows(std::vector<MovieObject> objects) { doc.objects = std::move(objects); }
    Document doc;
    TimelineEditor editor{doc};
};

}  // namespace

TEST_F(TimelineEditorTest, OnlyNineStepsCanBeUndoneAndANewEditDropsRedo) {
    Rows({Object(MovieObjectType::Image, 0, 1000)});
    doc.Select(0, 0);
    for (int i = 0; i < 10; ++i) editor.ShiftTimes(100);
    EXPECT_EQ(doc.objects[0].begin, 1000u);
    for (int i = 0; i < 10; ++i) editor.Undo();
    EXPECT_EQ(doc.objects[0].begin, 100u);  // the state after the first edit
    EXPECT_FALSE(doc.CanUndo());
    editor.Redo();
    EXPECT_EQ(doc.objects[0].begin, 200u);
    editor.ShiftTimes(100);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_FALSE(doc.saved());
}

TEST_F(TimelineEditorTest, TimeOperationsClamp) {
    Rows({Object(MovieObjectType::Image, 50, 3000), Object(MovieObjectType::Image, 1000, 1050),
          Object(MovieObjectType::Audio, 1000, 1050)});
    doc.Select(0, 0);
    editor.ShiftTimes(-100);
    EXPECT_EQ(doc.objects[0].begin, 0u);
    EXPECT_EQ(doc.objects[0].end, 2900u);
    doc.Select(1, 2);
    editor.ChangeEndTimes(-100);
    EXPECT_EQ(doc.objects[1].end, 1100u);  // fell to 950, then begin + 100
    EXPECT_EQ(doc.objects[2].end, 1050u);  // audio is left alone
}

TEST_F(TimelineEditorTest, SameDurationAlignAndMoveAfter) {
    Rows({Object(MovieObjectType::Image, 0, 2000), Object(MovieObjectType::Audio, 0, 7500),
          Object(MovieObjectType::Image, 300, 800)});
    doc.Select(0, 1);
    editor.MakeSameDuration();
    EXPECT_EQ(doc.objects[0].end, 7500u);
    EXPECT_EQ(doc.objects[1].end, 7500u);

    Rows({Object(MovieObjectType::Image, 0, 2000), Object(MovieObjectType::Image, 10, 20)});
    doc.Select(0, 1);
    editor.MakeSameDuration();
    EXPECT_EQ(doc.objects[0].end, 0u);
    EXPECT_EQ(doc.objects[1].end, 10u);

    Rows({Object(MovieObjectType::Text, 0, 1), Object(MovieObjectType::Image, 1000, 5000),
          Object(MovieObjectType::Image, 200, 700), Object(MovieObjectType::Video, 9000, 9500)});
    doc.Select(1, 3);
    editor.MoveAfter();
    EXPECT_EQ(doc.objects[2].begin, 5100u);
    EXPECT_EQ(doc.objects[2].end, 5600u);
    EXPECT_EQ(doc.objects[3].begin, 5100u);
    EXPECT_EQ(doc.objects[3].end, 5600u);
    editor.AlignTime();
    EXPECT_EQ(doc.objects[1].begin, 1000u);
    EXPECT_EQ(doc.objects[3].begin, 1000u);
    EXPECT_EQ(doc.objects[3].end, 1500u);
}

TEST_F(TimelineEditorTest, NewObjectsTakeTheTimeSlotAndLandAfterTheSelection) {
    MovieObject image = editor.NewVisualObject(MovieObjectType::Image);
    EXPECT_EQ(image.begin, 0u);
    EXPECT_EQ(image.end, 10000u);
    EXPECT_EQ(image.beginState.x, 800000);
    EXPECT_EQ(editor.NewVisualObject(MovieObjectType::Text).fileName, u"Arial");

    Rows({Object(MovieObjectType::Image, 0, 1), Object(MovieObjectType::Image, 2000, 5000),
          Object(MovieObjectType::Image, 0, 1)});
    doc.Select(1, 1);
    image = editor.NewVisualObject(MovieObjectType::Image);
    EXPECT_EQ(image.begin, 5000u);
    EXPECT_EQ(image.end, 8000u);
    editor.Insert(image, true);
    EXPECT_EQ(doc.objects[2], image);
    EXPECT_EQ(doc.first(), 2);
    EXPECT_EQ(doc.last(), 2);
}

TEST_F(TimelineEditorTest, PasteOfThreeAfterRowOneLeavesRowFourSelected) {
    Rows({Object(MovieObjectType::Image, 0, 1), Object(MovieObjectType::Image, 1, 2),
          Object(MovieObjectType::Text, 2, 3), Object(MovieObjectType::Audio, 3, 4)});
    FakeClipboard clipboard;
    doc.Select(1, 3);
    ASSERT_TRUE(editor.Copy(clipboard));
    EXPECT_EQ(clipboard.block.substr(0, 4), std::string("\x03\0\0\0", 4));
    doc.Select(1, 1);
    ASSERT_TRUE(editor.Paste(clipboard));
    ASSERT_EQ(doc.objects.size(), 7u);
    EXPECT_EQ(doc.objects[2].begin, 1u);
    EXPECT_EQ(doc.objects[3].begin, 2u);
    EXPECT_EQ(doc.objects[4].begin, 3u);
    EXPECT_EQ(doc.first(), 4);
    EXPECT_EQ(doc.last(), 4);
    editor.Undo();  // one undo point for the whole paste
    EXPECT_EQ(doc.objects.size(), 4u);

    // A block whose records end early keeps the complete ones.
    clipboard.block = clipboard.block.substr(0, clipboard.block.size() - 10);
    doc.ClearSelection();
    ASSERT_TRUE(editor.Paste(clipboard));
    EXPECT_EQ(doc.objects.size(), 6u);
}

TEST_F(TimelineEditorTest, DeleteAsksWithTheRightTextAndCutSkipsTheQuestion) {
    Rows({Object(MovieObjectType::Image, 0, 1), Object(MovieObjectType::Image, 1, 2),
          Object(MovieObjectType::Image, 2, 3)});
    FakePrompt prompt;
    prompt.yes = false;
    doc.Select(0, 1);
    editor.Delete(&prompt);
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to delete the selected items?");
    EXPECT_EQ(doc.objects.size(), 3u);
    prompt.yes = true;
    doc.Select(2, 2);
    editor.Delete(&prompt);
    EXPECT_EQ(prompt.questions.back(), "Are you sure you want to delete the selected item?");
    EXPECT_EQ(doc.objects.size(), 2u);
    EXPECT_EQ(doc.first(), -1);

    FakeClipboard clipboard;
    doc.Select(0, 5);  // beyond the rows: bounded by the row count
    editor.Cut(clipboard);
    EXPECT_TRUE(doc.objects.empty());
    EXPECT_EQ(clipboard.block.substr(0, 4), std::string("\x02\0\0\0", 4));
}

TEST(DocumentExtent, IsThirtyFontHeightsPlusFourPixelsASecond) {
    Document doc;
    EXPECT_EQ(doc.HorizontalExtent(16), 480);
    doc.objects = {Object(MovieObjectType::Image, 0, 5000),
                   Object(MovieObjectType::Image, 0, 60000),
                   Object(MovieObjectType::Image, 0, 20000)};
    EXPECT_EQ(doc.HorizontalExtent(16), 720);
}
