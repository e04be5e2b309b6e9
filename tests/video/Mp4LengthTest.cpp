#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "video/Mp4Length.h"

namespace {

std::string BigEndian(uint64_t value, int count) {
    std::string bytes;
    for (int i = count - 1; i >= 0; --i) bytes += char(value >> (8 * i) & 255);
    return bytes;
}

std::string Box(const std::string& type, const std::string& body) {
    return BigEndian(8 + body.size(), 4) + type + body;
}

double SecondsOf(const std::string& bytes) {
    return Mp4Length::Seconds(bytes.size(), [&](uint64_t at, void* out, size_t count) {
        if (at > bytes.size() || count > bytes.size() - at) return false;
        std::memcpy(out, bytes.data() + at, count);
        return true;
    });
}

}  // namespace

// Movies the encoder writes, with the movie box last or first, give their length; the same
// files cut short, grown or empty give none.
TEST(Mp4Length, EncodedMoviesWhole) {
    TempDir dir;
    std::string whole[2];
    for (int faststart = 0; faststart < 2; ++faststart) {
        const std::string movie = dir / ("m" + std::to_string(faststart) + ".mp4");
        std::vector<std::string> args = {"ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                                         "testsrc=d=2:s=64x48:r=24", "-pix_fmt", "yuv420p"};
        if (faststart) args.insert(args.end(), {"-movflags", "+faststart"});
        args.push_back(movie);
        ASSERT_EQ(RunCommand(args).status, 0);
        EXPECT_NEAR(Mp4Length::FileSeconds(movie), 2.0, 0.05);
        ASSERT_TRUE(Sys::ReadWholeFile(movie, whole[faststart]));
    }
    for (const std::string& bytes : whole) {
        EXPECT_NEAR(SecondsOf(bytes), 2.0, 0.05);
        for (size_t cut : {size_t(0), size_t(7), bytes.size() / 3, bytes.size() / 2,
                           bytes.size() - 1}) {
            EXPECT_EQ(SecondsOf(bytes.substr(0, cut)), 0) << cut;
        }
        EXPECT_EQ(SecondsOf(bytes + "tail"), 0);
    }
    EXPECT_EQ(Mp4Length::FileSeconds(dir / "none.mp4"), 0);
}

// Both header versions, 64-bit box sizes and a last box reaching to the end.
TEST(Mp4Length, HeaderVersionsAndBoxSizes) {
    const std::string ftyp = Box("ftyp", "isom" + BigEndian(512, 4));
    const std::string v0 = Box("mvhd", std::string(4, '\0') + BigEndian(0, 8) + BigEndian(600, 4) +
                                           BigEndian(900, 4) + std::string(80, '\0'));
    const std::string v1 = Box("mvhd", "\x01" + std::string(3, '\0') + BigEndian(0, 16) +
                                           BigEndian(1000, 4) + BigEndian(2500, 8));
    EXPECT_EQ(SecondsOf(ftyp + Box("moov", v0)), 1.5);
    EXPECT_EQ(SecondsOf(ftyp + Box("moov", Box("free", "") + v1)), 2.5);
    const std::string wide = BigEndian(1, 4) + "moov" + BigEndian(16 + v1.size(), 8) + v1;
    EXPECT_EQ(SecondsOf(ftyp + wide), 2.5);
    EXPECT_EQ(SecondsOf(ftyp + BigEndian(0, 4) + "moov" + v0), 1.5);

    EXPECT_EQ(SecondsOf(ftyp), 0);                                      // no movie box
    EXPECT_EQ(SecondsOf(ftyp + Box("moov", v0.substr(0, 20))), 0);      // header cut short
    EXPECT_EQ(SecondsOf(ftyp + Box("moov", v1.substr(0, 30))), 0);
    EXPECT_EQ(SecondsOf(ftyp + BigEndian(4, 4) + "moov" + v0), 0);     // size below its header
}
