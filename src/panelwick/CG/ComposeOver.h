#pragma once

#include <cstdint>

namespace CG {

class ImageRGBA;

// Alpha compositing of source over destination with the source's top-left corner at (x, y);
// source pixels outside the destination are ignored. An opaque source pixel replaces the
// destination pixel; otherwise, unless both alphas are 0, the pixel becomes the usual "over"
// mix computed in single precision with truncated bytes.
void ComposeOver(const ImageRGBA& source, int32_t x, int32_t y, ImageRGBA& destination);

}  // namespace CG
