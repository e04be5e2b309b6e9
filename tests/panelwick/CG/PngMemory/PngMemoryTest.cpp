#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../PictureFiles.h"
#include "CountingAllocator.h"
#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/ImageRGBA.h"

namespace {

using PictureFiles::Bytes;
using PictureFiles::PngHeader;

constexpr size_t kFewMegabytes = size_t(4) << 20;

// A 57-byte file whose header chunk is followed by a chunk stating almost 2 GiB of data, with
// the file ending a few bytes into it.
Bytes HugeChunk(const char* type) {
    Bytes b = PngHeader(1, 1);
    b.insert(b.end(), {0x7F, 0xFF, 0xFF, 0xF0});
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
    EXPECT_TRUE(CG::ImageDecoder::Decode(PngHeader(1, 1), image).failed());
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
