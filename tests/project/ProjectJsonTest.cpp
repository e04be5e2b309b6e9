#include <gtest/gtest.h>

#include "project/ProjectJson.h"

TEST(ProjectJson, RoundTripsEveryFieldLosslessly) {
    MovieProperties p;
    p.fps = 60;
    p.backColor = 0x00102030;
    std::vector<MovieObject> objects(2);
    objects[0].text = std::u16string{u'a', char16_t(0xDC00), u'b'};  // not valid UTF-16
    objects[0].fileName = u"Grüße.png";
    objects[1].reserved[4] = -77;
    objects[1].beginState.volumeLeft = -128;
    objects[1].type = static_cast<MovieObjectType>(200);
    ProjectFileExtras extras;
    extras.version = 3;
    extras.normalizeVolumeByte = 9;
    extras.trailing = std::string("\x00\xff", 2);

    const std::string json = ProjectJson::Write(p, objects, extras);
    MovieProperties p2;
    std::vector<MovieObject> objects2;
    ProjectFileExtras extras2;
    ASSERT_TRUE(ProjectJson::Read(json, p2, objects2, extras2).ok());
    EXPECT_EQ(p2, p);
    EXPECT_EQ(objects2, objects);
    EXPECT_EQ(extras2.version, 3);
    EXPECT_EQ(extras2.normalizeVolumeByte, 9);
    EXPECT_EQ(extras2.trailing, extras.trailing);
}

TEST(ProjectJson, MissingFieldsTakeDefaultsAndBadValuesNameTheField) {
    MovieProperties p;
    std::vector<MovieObject> objects;
    ProjectFileExtras x;
    ASSERT_TRUE(ProjectJson::Read(R"({"objects":[{"type":2,"width":5}]})", p, objects, x).ok());
    EXPECT_EQ(p.fps, 24);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].width, 5u);
    EXPECT_EQ(objects[0].height, 300u);
    EXPECT_EQ(objects[0].endState.fadeRate, -2000);

    EXPECT_EQ(ProjectJson::Read(R"({"fps":256})", p, objects, x).message(),
              "fps: 256 is outside 0..255");
    EXPECT_EQ(ProjectJson::Read(R"({"objects":[{},{"endState":{"volumeLeft":-129}}]})", p,
                                objects, x).message(),
              "objects[1].endState.volumeLeft: -129 is outside -128..127");
    EXPECT_EQ(ProjectJson::Read(R"({"objects":[{"begin":-1}]})", p, objects, x).message(),
              "objects[0].begin: -1 is outside 0..4294967295");
    EXPECT_EQ(ProjectJson::Read(R"({"width":1.5})", p, objects, x).message(),
              "width: must be a whole number in 0..65535");
    EXPECT_NE(ProjectJson::Read("{", p, objects, x).message().find("Invalid JSON"),
              std::string::npos);
}
