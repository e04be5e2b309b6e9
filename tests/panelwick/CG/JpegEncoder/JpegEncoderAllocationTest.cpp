#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/Sys/Buffer.h"
#include "support/TempDir.h"

// Counts every heap allocation of this test program. The replacements pair malloc with free
// themselves, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, std::align_val_t align) {
    ++gAllocations;
    const std::size_t a = std::size_t(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

// A rendering worker encodes frame after frame with one encoder, each into its file.
TEST(JpegEncoderMemory, FramesAfterTheFirstAllocateNothing) {
    const auto rgb = TestPictures::Natural(320, 180, 20);
    CG::DIBitmap frame, palette;
    ASSERT_TRUE(frame.Create(24, 0, 320, 180, false));
    ASSERT_TRUE(palette.Create(8, 0, 320, 180, true));
    for (int y = 0; y < 180; ++y) {
        for (int x = 0; x < 320; ++x) {
            for (int c = 0; c < 3; ++c) frame.Row(y)[3 * x + c] = rgb[(y * 320 + x) * 3 + 2 - c];
        }
    }
    TempDir dir;
    const std::filesystem::path file = dir.path() / "00000001.jpg";
    CG::JpegEncoder encoder;
    Sys::Buffer buffer;
    for (int i = 0; i < 3; ++i) {
        const long before = gAllocations.load();
        ASSERT_TRUE(encoder.EncodeToFile(frame, file, 90));
        ASSERT_TRUE(encoder.EncodeToFile(palette, file, 90));
        buffer.Clear();
        ASSERT_TRUE(encoder.EncodeRGB(rgb.data(), 320, 180, true, 90, buffer));
        if (i > 0) {
            EXPECT_EQ(gAllocations.load() - before, 0) << "frame " << i;
        }
    }
}
