#pragma once

#include <cstdint>

#include "render/DrawSetup.h"

// The frame pixels of one row that the picture may reach. The per-pixel test is evaluated in
// single precision; this works on the same inputs in double precision with a margin well
// above the single-precision rounding error, so it never leaves out a pixel that the test
// would draw. Pixels inside the span still go through the exact test.
class RowSpan {
public:
    RowSpan(const DrawSetup& setup, int32_t frameWidth);

    // Frame columns [xBegin, xEnd) of row y; false when the row is out of the picture's reach.
    bool Columns(int32_t y, int32_t& xBegin, int32_t& xEnd) const;

private:
    // Narrows [lo, hi) to the columns X where low < slope (X - centreX) + offset < high.
    void Narrow(double slope, double offset, double low, double high, double& lo,
                double& hi) const;

    const DrawSetup& s_;
    int32_t frameWidth_;
    double maxDx_;  // the largest |X - centreX| over the row
};
