#include "video/ExportedPicture.h"

#include <cstring>

#include <png.h>

// Reads the PNG with libpng's simplified interface, as 8-bit RGBA.
Sys::Result LoadExportedPicture(CG::ImageRGBA& picture, const std::string& pngPath) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, pngPath.c_str())) return "Error reading the file";
    image.format = PNG_FORMAT_RGBA;
    if (!picture.Create(image.width, image.height)) {
        png_image_free(&image);
        return "Out of memory";
    }
    if (!png_image_finish_read(&image, nullptr, picture.pixels(), 0, nullptr)) {
        picture.Clear();
        return "Error reading the file";
    }
    return {};
}
