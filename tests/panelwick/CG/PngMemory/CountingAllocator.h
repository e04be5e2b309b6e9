#pragma once

#include <cstddef>

// This test program's malloc, calloc, realloc, free and aligned allocations pass to the C
// library's allocator and count the bytes held, so that a test sees every allocation, those
// inside shared libraries such as libpng included.
namespace CountingAllocator {

// Starts measuring from the bytes held now.
void StartPeak();
// The most bytes held at once since StartPeak, beyond those held then.
size_t PeakGrowth();

}  // namespace CountingAllocator
