#include "panelwick/CG/PngDecoder.h"

#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

#include "panelwick/CG/DecodeLimits.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureMessages.h"

namespace CG {
namespace {

// Ancillary chunks (compressed text, profiles) are not inflated beyond this.
constexpr png_alloc_size_t kChunkLimit = 8 << 20;
// At most this many ancillary chunks are kept in memory.
constexpr png_uint_32 kChunkCount = 32;
// The widest and tallest picture read: libpng's own rows for it stay within a few MiB per row.
constexpr png_uint_32 kMaxSide = 1u << 20;

struct Source {
    const uint8_t* data;
    size_t size, position;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->size - source->position) png_error(png, "truncated");
    std::memcpy(out, source->data + source->position, count);
    source->position += count;
}

void Ignore(png_structp, png_const_charp) {}

[[noreturn]] void Fail(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

class ReadStruct {
public:
    ReadStruct() {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~ReadStruct() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStruct(const ReadStruct&) = delete;
    ReadStruct& operator=(const ReadStruct&) = delete;
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

enum class Stage { Header, TooLarge, Pixels, Done };

// Bounds what libpng allocates before the pixels: only the chunks that make the pixels (header,
// palette, transparency, image data) are read; every other chunk, known or not, is skipped
// without being held in memory, however large its stated length. Text, profile and other
// ancillary chunks would otherwise get a buffer of their stated length (up to 2 GiB) before
// their data is read.
void LimitMemory(png_structp png) {
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_chunk_cache_max(png, kChunkCount);
    png_set_chunk_malloc_max(png, kChunkLimit);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
}

// A picture we can hold whose stated size the file could fill.
bool Acceptable(png_uint_32 width, png_uint_32 height, size_t fileSize) {
    return uint64_t(width) * height <= ImageRGBA::kMaxPixels &&
           PlausiblePixelCount(width, height, fileSize);
}

// Asks libpng for 8-bit RGBA whatever the stored format.
void RequestRgba(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info);
    const int depth = png_get_bit_depth(png, info);
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_scale_16(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// The part that libpng may leave by a long jump: it owns no C++ object, and everything it
// changes lives in the caller's objects, so nothing is lost or left half-built when it jumps.
void ReadPng(const ReadStruct& s, Source& source, ImageRGBA& image, std::vector<png_bytep>& rows,
             Stage& stage) {
    if (setjmp(png_jmpbuf(s.png()))) return;
    png_set_read_fn(s.png(), &source, ReadFromMemory);
    LimitMemory(s.png());
    png_read_info(s.png(), s.info());
    const png_uint_32 width = png_get_image_width(s.png(), s.info());
    const png_uint_32 height = png_get_image_height(s.png(), s.info());
    // Checked before libpng sizes its row buffers.
    if (!Acceptable(width, height, source.size)) {
        stage = Stage::TooLarge;
        return;
    }
    RequestRgba(s.png(), s.info());
    if (png_get_rowbytes(s.png(), s.info()) != size_t(width) * 4 || !image.Resize(width, height)) {
        stage = Stage::TooLarge;
        return;
    }
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.Row(y);
    stage = Stage::Pixels;
    png_read_image(s.png(), rows.data());
    stage = Stage::Done;
}

}  // namespace

Sys::Result PngDecoder::Decode(std::span<const uint8_t> file, ImageRGBA& image) {
    ReadStruct s;
    if (!s.png() || !s.info()) return kOutOfMemory;
    Source source{file.data(), file.size(), 0};
    std::vector<png_bytep> rows;
    Stage stage = Stage::Header;
    ReadPng(s, source, image, rows, stage);
    if (stage == Stage::Done) return {};
    image.Clear();
    if (stage == Stage::Pixels) return kCopyPixels;
    return stage == Stage::TooLarge ? kOutOfMemory : kErrorReadingFile;
}

}  // namespace CG
