#include <gtest/gtest.h>

#include "panelwick/Sys/Buffer.h"
#include "panelwick/Sys/BufferReader.h"
#include "panelwick/Sys/BufferWriter.h"
#include "panelwick/Sys/FileReader.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FileWriter.h"
#include "support/TempDir.h"

TEST(Serialization, ValuesAreLittleEndianAndStringsCountUnits) {
    Sys::BufferWriter w;
    ASSERT_TRUE(w.WriteString(u"abc"));
    ASSERT_TRUE(w.WriteU16(0x1234) && w.WriteI32(-2) && w.WriteI8(-1));
    EXPECT_EQ(w.data(), std::string("\x03\0\0\0a\0b\0c\0\x34\x12\xfe\xff\xff\xff\xff", 17));

    Sys::BufferReader r(w.data());
    std::u16string s;
    uint16_t u16;
    int32_t i32;
    int8_t i8;
    ASSERT_TRUE(r.ReadString(s) && r.ReadU16(u16) && r.ReadI32(i32) && r.ReadI8(i8));
    EXPECT_EQ(s, u"abc");
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(i8, -1);
    uint8_t extra;
    EXPECT_FALSE(r.ReadU8(extra));
    // A count of more units than the bytes hold fails.
    const std::string hugeCount(
        "\xff\xff\xff\x7f"
        "ab",
        6);
    Sys::BufferReader huge(hugeCount);
    EXPECT_FALSE(huge.ReadString(s));
}

TEST(Serialization, FileWriterAndReaderCrossTheBufferBoundary) {
    TempDir dir;
    const std::string path = dir / "data.bin";
    std::string big(100000, 'x');
    for (size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7);
    {
        Sys::FileWriter w;
        ASSERT_TRUE(w.Open(path));
        ASSERT_TRUE(w.WriteU32(7));
        ASSERT_TRUE(w.Write(big.data(), big.size()));  // larger than the buffer
        ASSERT_TRUE(w.WriteU8(9));
        ASSERT_TRUE(w.Close());
    }
    Sys::FileReader r;
    ASSERT_TRUE(r.Open(path));
    EXPECT_EQ(r.Remaining(), 4u + big.size() + 1);
    uint32_t first;
    std::string back(big.size(), '\0');
    uint8_t last;
    ASSERT_TRUE(r.ReadU32(first) && r.Read(back.data(), back.size()) && r.ReadU8(last));
    EXPECT_EQ(first, 7u);
    EXPECT_EQ(back, big);
    EXPECT_EQ(last, 9);
    EXPECT_FALSE(r.ReadU8(last));
}

TEST(Buffer, GrowsFrom1024ByDoublingAndSavesWhole) {
    Sys::Buffer b;
    EXPECT_EQ(b.capacity(), 0u);
    std::string data(1500, 'q');
    ASSERT_EQ(b.Write(data.data(), 1000), 1000u);
    EXPECT_EQ(b.capacity(), 1024u);
    ASSERT_EQ(b.Write(data.data(), 500), 500u);
    EXPECT_EQ(b.capacity(), 2048u);
    char out[2000];
    EXPECT_EQ(b.Read(out, sizeof out), 1500u);

    TempDir dir;
    ASSERT_TRUE(b.SaveToFile(dir / "b.bin"));
    std::string back;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "b.bin", back));
    EXPECT_EQ(back, data);
}
