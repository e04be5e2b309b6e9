#include "editing/PreviewMove.h"

#include <cmath>

namespace {

// a x b x c with the wrap-around of 32-bit integers.
int32_t Product32(int32_t a, int32_t b, int32_t c) {
    return int32_t(uint32_t(a) * uint32_t(b) * uint32_t(c));
}

}  // namespace

void MoveByKey(ObjectState& s, PreviewKey key) {
    switch (key) {
        case PreviewKey::Left:
            s.x -= 10000;
            break;
        case PreviewKey::Up:
            s.y -= 10000;
            break;
        case PreviewKey::Right:
            s.x += 10000;
            break;
        case PreviewKey::Down:
            s.y += 10000;
            break;
    }
}

void MoveByDrag(ObjectState& s, int32_t x0, int32_t y0, int32_t x, int32_t y, int32_t width,
                int32_t height) {
    s.x -= int32_t(std::trunc(Product32(x0 - x, width, 10000) / 1600.0));
    s.y -= int32_t(std::trunc(Product32(y0 - y, height, 10000) / 900.0));
}
