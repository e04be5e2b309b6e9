#pragma once

#include <cstdint>

#include "project/ObjectState.h"

// How the object editor's preview moves the state it shows.
enum class PreviewKey { Left, Up, Right, Down };

// An arrow key moves the state by one reference pixel (10000 units).
void MoveByKey(ObjectState& state, PreviewKey key);

// One mouse move while dragging in a W x H preview, (x0, y0) being where the button went down
// and (x, y) the pointer now: x -= trunc((x0 - x) x W x 10000 / 1600.0), and the same for y
// against 900, the products formed as 32-bit integers. The button-down point stays for the
// whole drag, so each move adds the whole way from it again.
void MoveByDrag(ObjectState& state, int32_t x0, int32_t y0, int32_t x, int32_t y, int32_t width,
                int32_t height);
