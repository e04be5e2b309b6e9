#include "panelwick/CG/PngWriter.h"

#include <csetjmp>
#include <vector>

#include <png.h>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/FileWriter.h"

namespace CG {
namespace {

void WriteToFile(png_structp png, png_bytep bytes, size_t count) {
    if (!static_cast<Sys::FileWriter*>(png_get_io_ptr(png))->Write(bytes, count)) {
        png_error(png, "write");
    }
}

void Flush(png_structp) {}
void Ignore(png_structp, png_const_charp) {}
[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

class WriteStruct {
public:
    WriteStruct() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~WriteStruct() { png_destroy_write_struct(&png_, &info_); }
    WriteStruct(const WriteStruct&) = delete;
    WriteStruct& operator=(const WriteStruct&) = delete;
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Owns no C++ object, so libpng may leave it by a long jump; true when all was written.
bool WritePng(const WriteStruct& s, Sys::FileWriter& file, const ImageRGBA& image,
              std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(s.png()))) return false;
    png_set_write_fn(s.png(), &file, WriteToFile, Flush);
    png_set_IHDR(s.png(), s.info(), image.width(), image.height(), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(s.png(), 6);
    png_write_info(s.png(), s.info());
    png_write_image(s.png(), rows.data());
    png_write_end(s.png(), nullptr);
    return true;
}

}  // namespace

Sys::Result PngWriter::Save(const ImageRGBA& image, const std::filesystem::path& path) {
    if (image.empty()) return "The image is empty";
    Sys::FileWriter file;
    if (!file.Open(path)) return "Unable to create " + path.string();
    WriteStruct s;
    if (!s.png() || !s.info()) return "Out of memory";
    std::vector<png_bytep> rows(image.height());
    for (uint32_t y = 0; y < image.height(); ++y) {
        rows[y] = const_cast<png_bytep>(image.Row(y));
    }
    if (!WritePng(s, file, image, rows) || !file.Close()) return "Error writing " + path.string();
    return {};
}

}  // namespace CG
