#include "render/PictureThumbnail.h"

#include <algorithm>

#include "panelwick/CG/PictureLoader.h"

namespace PictureThumbnail {

void Shrink(const CG::ImageRGBA& source, uint32_t height, CG::ImageRGBA& thumbnail) {
    const uint32_t h = std::max<uint32_t>(1, std::min(height, source.height()));
    const uint32_t w =
        std::max<uint32_t>(1, uint32_t(uint64_t(source.width()) * h / source.height()));
    if (!thumbnail.Create(w, h)) return;
    for (uint32_t y = 0; y < h; ++y) {
        const uint32_t y0 = uint32_t(uint64_t(y) * source.height() / h);
        const uint32_t y1 = std::max(y0 + 1, uint32_t(uint64_t(y + 1) * source.height() / h));
        uint8_t* out = thumbnail.Row(y);
        for (uint32_t x = 0; x < w; ++x) {
            const uint32_t x0 = uint32_t(uint64_t(x) * source.width() / w);
            const uint32_t x1 = std::max(x0 + 1, uint32_t(uint64_t(x + 1) * source.width() / w));
            uint64_t sum[4] = {};
            for (uint32_t sy = y0; sy < y1; ++sy) {
                const uint8_t* in = source.Row(sy) + size_t(x0) * 4;
                for (uint32_t sx = x0; sx < x1; ++sx, in += 4) {
                    for (int c = 0; c < 4; ++c) sum[c] += in[c];
                }
            }
            const uint64_t count = uint64_t(y1 - y0) * (x1 - x0);
            for (int c = 0; c < 4; ++c) out[x * 4 + c] = uint8_t(sum[c] / count);
        }
    }
}

bool Make(const std::string& path, uint32_t height, CG::ImageRGBA& thumbnail) {
    CG::ImageRGBA picture;
    if (CG::LoadPicture(picture, path).failed() || picture.empty()) return false;
    Shrink(picture, height, thumbnail);
    return !thumbnail.empty();
}

}  // namespace PictureThumbnail
