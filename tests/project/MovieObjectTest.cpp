#include <gtest/gtest.h>

#include "panelwick/Sys/BufferReader.h"
#include "panelwick/Sys/BufferWriter.h"
#include "project/MovieObject.h"
#include "project/TimeText.h"

namespace {

uint32_t U32At(const std::string& b, size_t at) {
    return uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8) | (uint8_t(b[at + 2]) << 16) |
           (uint32_t(uint8_t(b[at + 3])) << 24);
}

}  // namespace

TEST(MovieObject, DefaultsAreAnImageOfOneSecond) {
    MovieObject o;
    EXPECT_EQ(o.type, MovieObjectType::Image);
    EXPECT_EQ(o.begin, 0u);
    EXPECT_EQ(o.end, 1000u);
    EXPECT_EQ(o.beginState.fadeRate, 2000);
    EXPECT_EQ(o.endState.fadeRate, -2000);
    EXPECT_EQ(o.beginState.sizeX, 10000);
    EXPECT_EQ(o.beginState.transparency, 255);
    EXPECT_EQ(o.endState.saturation, 127);
    EXPECT_EQ(o.frontColor, 0x00FFD9D9u);
    EXPECT_EQ(o.bassFrequency, 120);
    EXPECT_EQ(o.trebleFrequency, 4000);
    EXPECT_EQ(o.depth3D, 3);
}

TEST(MovieObject, RecordLayoutPlacesFieldsAfterBothStrings) {
    MovieObject o;
    o.type = MovieObjectType::Text;
    o.begin = 0x01020304;
    o.beginState.transparency = 0xAB;
    o.endState.fadeRate = -3;
    o.fileName = u"Arial";  // s1 = 5
    o.text = u"Hi";         // s2 = 2
    o.backColor = 0x00112233;
    o.depth3D = 7;
    o.fontSize = 0x0102;
    o.skip = 0xCAFE;
    o.reserved[0] = -1;
    o.reserved[10] = 0x55;
    Sys::BufferWriter w;
    ASSERT_TRUE(o.Write(w));
    const std::string& b = w.data();
    ASSERT_EQ(b.size(), 174u + 2 * 5 + 2 * 2);
    EXPECT_EQ(uint8_t(b[0]), 1);
    EXPECT_EQ(U32At(b, 1), 0x01020304u);
    EXPECT_EQ(uint8_t(b[9 + 28]), 0xAB);               // begin state transparency
    EXPECT_EQ(uint8_t(b[45 + 34]), 0xFD);              // end state fade rate, low byte
    EXPECT_EQ(U32At(b, 89), 5u);                        // s1
    EXPECT_EQ(b.substr(93, 4), std::string("A\0r\0", 4));
    EXPECT_EQ(U32At(b, 97 + 10), 0x00112233u);          // backColor at 97 + 2 s1
    EXPECT_EQ(U32At(b, 101 + 10), 2u);                  // s2
    const size_t q = 105 + 10 + 4;
    EXPECT_EQ(uint8_t(b[q]), 7);
    EXPECT_EQ(uint8_t(b[q + 1]), 0x02);
    EXPECT_EQ(U32At(b, q + 17), 0xCAFEu);
    EXPECT_EQ(U32At(b, q + 25), 0xFFFFFFFFu);
    EXPECT_EQ(U32At(b, q + 25 + 40), 0x55u);

    MovieObject back;
    Sys::BufferReader r(b);
    ASSERT_TRUE(back.Read(r));
    EXPECT_EQ(back, o);  // reserved words and strings survive
    for (size_t cut = 0; cut < b.size(); cut += 13) {
        Sys::BufferReader truncated(std::string_view(b).substr(0, cut));
        MovieObject partial;
        EXPECT_FALSE(partial.Read(truncated)) << cut;
    }
}

TEST(MovieObject, DisplayNames) {
    MovieObject o;
    EXPECT_EQ(o.DisplayName(), u"Error");
    o.fileName = u"a.jpg";
    EXPECT_EQ(o.DisplayName(), u"a.jpg");
    o.type = MovieObjectType::Rectangle;
    EXPECT_EQ(o.DisplayName(), u"rect 400x300");
    o.type = MovieObjectType::CorelDrawPage;
    o.page = 3;
    EXPECT_EQ(o.DisplayName(), u"a.jpg p3");
    o.type = MovieObjectType::Text;
    EXPECT_EQ(o.DisplayName(), u"Error");
    o.text = u"Hello";
    EXPECT_EQ(o.DisplayName(), u"Hello");
}

TEST(TimeText, FormatsMinutesAndTenths) {
    EXPECT_EQ(TimeText(0, 10000), "0:00.0 - 0:10.0 ");
    EXPECT_EQ(TimeText(61500, 125000), "1:01.5 - 2:05.0 ");
    EXPECT_EQ(TimeText(83500, 83549), "1:23.5 - 1:23.5 ");
}
