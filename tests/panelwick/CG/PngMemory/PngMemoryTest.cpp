#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CountingAllocator.h"
#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/ImageRGBA.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kFewMegabytes = size_t(4) << 20;

uint32_t Crc32(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

void PutU32(Bytes& b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(v >> shift));
}

// The signature and the header chunk of a PNG of one grey pixel.
Bytes PngStart() {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutU32(b, 13);
    const size_t type = b.size();
    b.insert(b.end(), {'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0, 0});
    PutU32(b, Crc32(b.data() + type, b.size() - type));
    return b;
}

// A 57-byte file whose header chunk is followed by a chunk stating almost 2 GiB of data, with
// the file ending a few bytes into it.
Bytes HugeChunk(const char* type) {
    Bytes b = PngStart();
    PutU32(b, 0x7FFFFFF0);
    b.insert(b.end(), type, type + 4);
    b.resize(57, 0);
    return b;
}

}  // namespace

TEST(PngMemory, TheCounterSeesAllocations) {
    CountingAllocator::StartPeak();
    { std::vector<char> block(size_t(10) << 20); }
    EXPECT_GE(CountingAllocator::PeakGrowth(), size_t(10) << 20);
    // libpng's own allocations are counted too: a refused header allocates only inside libpng.
    CountingAllocator::StartPeak();
    CG::ImageRGBA image;
    EXPECT_TRUE(CG::ImageDecoder::Decode(PngStart(), image).failed());
    EXPECT_GT(CountingAllocator::PeakGrowth(), 0u);
}

// Text, calibration, palette-suggestion, profile and unknown chunks stating a huge length are
// skipped without a buffer of that length: the file is refused having allocated little.
TEST(PngMemory, HugeChunksAreRefusedWithoutTheirMemory) {
    for (const char* type :
         {"tEXt", "zTXt", "iTXt", "pCAL", "sCAL", "sPLT", "eXIf", "iCCP", "juNK", "IDAT"}) {
        SCOPED_TRACE(type);
        const Bytes file = HugeChunk(type);
        ASSERT_EQ(file.size(), 57u);
        CountingAllocator::StartPeak();
        CG::ImageRGBA image;
        const Sys::Result result = CG::ImageDecoder::Decode(file, image);
        EXPECT_LT(CountingAllocator::PeakGrowth(), kFewMegabytes);
        EXPECT_TRUE(result.failed());
        EXPECT_EQ(result.message(), std::string(type) == "IDAT" ? "bitmapFrameDecode.CopyPixels"
                                                                : "Error reading the file");
    }
}
