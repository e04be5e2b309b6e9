#include "video/coreldraw/PageRasterizer.h"

#include <cmath>
#include <memory>

#include <librsvg/rsvg.h>

namespace CorelDraw {
namespace {

// Cairo cannot make image surfaces wider or taller than this.
constexpr double kMaxSide = 32767;

struct GObjectDeleter {
    void operator()(void* object) const { g_object_unref(object); }
};
struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct ErrorDeleter {
    void operator()(GError* error) const { g_error_free(error); }
};

std::string Reason(GError* error) {
    std::unique_ptr<GError, ErrorDeleter> owned(error);
    return owned ? std::string(": ") + owned->message : std::string();
}

Sys::Result PixelSize(RsvgHandle* handle, const RasterOptions& options, int& width, int& height) {
    double w = options.width, h = options.height;
    if (options.width == 0 || options.height == 0) {
        double pageWidth = 0, pageHeight = 0;
        if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &pageWidth, &pageHeight)) {
            return "The page has no size";
        }
        if (options.width == 0) w = std::round(pageWidth);
        if (options.height == 0) h = std::round(pageHeight);
    }
    if (!(w >= 1 && h >= 1)) return "The page is empty";
    if (w > kMaxSide || h > kMaxSide || w * h > double(options.maxPixels)) {
        return "The page is too large to export at this resolution";
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return {};
}

}  // namespace

Sys::Result RasterizePage(const std::string& svg, const RasterOptions& options,
                          const std::string& pngPath) {
    if (!(options.dpiX > 0 && options.dpiY > 0)) return "Invalid resolution";
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, GObjectDeleter> handle(rsvg_handle_new_from_data(
        reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
    if (!handle) return "Unable to read the page" + Reason(error);
    rsvg_handle_set_dpi_x_y(handle.get(), options.dpiX, options.dpiY);

    int width = 0, height = 0;
    if (Sys::Result size = PixelSize(handle.get(), options, width, height); size.failed()) {
        return size;
    }
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return "Out of memory";
    std::unique_ptr<cairo_t, ContextDeleter> context(cairo_create(surface.get()));
    if (!options.transparent) {
        cairo_set_source_rgb(context.get(), 1, 1, 1);
        cairo_paint(context.get());
    }
    const RsvgRectangle viewport{0, 0, double(width), double(height)};
    if (!rsvg_handle_render_document(handle.get(), context.get(), &viewport, &error)) {
        return "Unable to draw the page" + Reason(error);
    }
    context.reset();
    cairo_surface_flush(surface.get());
    if (cairo_surface_write_to_png(surface.get(), pngPath.c_str()) != CAIRO_STATUS_SUCCESS) {
        return "Unable to write " + pngPath;
    }
    return {};
}

}  // namespace CorelDraw
