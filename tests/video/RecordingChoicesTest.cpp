#include <gtest/gtest.h>

#include "video/RecordingChoices.h"

using namespace RecordingChoices;

TEST(RecordingChoices, SizeTextsUseWholeNumberWidths) {
    EXPECT_EQ(MovieSizeText(240), "426x240");
    EXPECT_EQ(MovieSizeText(90), "160x90");
    EXPECT_EQ(MovieSizeText(1440), "2560x1440");
    EXPECT_EQ(kMovieHeights.front(), 90);
    EXPECT_EQ(kMovieHeights.back(), 1440);
}

TEST(RecordingChoices, PreselectsTheLastDrawingProgramElseTheFirst) {
    EXPECT_EQ(PreselectedInput({}), -1);
    EXPECT_EQ(PreselectedInput({"Terminal", "Browser"}), 0);
    EXPECT_EQ(PreselectedInput(
                  {"Terminal", "CorelDRAW 2024 - a.cdr", "Browser", "coreldraw - b.cdr", "Mail"}),
              3);
    // Agreement runs to the end of the shorter text.
    EXPECT_EQ(PreselectedInput({"Mail", "Corel"}), 1);
    EXPECT_EQ(PreselectedInput({"Mail", "CorelPaint"}), 0);
    // Titles of 256 characters or more are passed over.
    EXPECT_EQ(PreselectedInput({"Mail", "CORELDRAW" + std::string(247, 'x')}), 0);
    EXPECT_EQ(PreselectedInput({"Mail", "CORELDRAW" + std::string(246, 'x')}), 1);
}

TEST(RecordingChoices, LengthIsMinutesAndSeconds) {
    EXPECT_EQ(LengthText(0), "0:00");
    EXPECT_EQ(LengthText(59999), "0:59");
    EXPECT_EQ(LengthText(61000), "1:01");
    EXPECT_EQ(LengthText(3600000), "60:00");
}
