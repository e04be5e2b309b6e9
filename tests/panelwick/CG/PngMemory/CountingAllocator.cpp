#include "CountingAllocator.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <malloc.h>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<int64_t> held{0}, peak{0}, start{0};

void Took(void* block) {
    if (!block) return;
    const int64_t now = held += int64_t(malloc_usable_size(block));
    int64_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

void Gave(void* block) {
    if (block) held -= int64_t(malloc_usable_size(block));
}

}  // namespace

namespace CountingAllocator {

void StartPeak() {
    start = held.load();
    peak = start.load();
}

size_t PeakGrowth() {
    return size_t(peak.load() - start.load());
}

}  // namespace CountingAllocator

extern "C" {

void* malloc(size_t size) noexcept {
    void* block = __libc_malloc(size);
    Took(block);
    return block;
}

void* calloc(size_t count, size_t size) noexcept {
    void* block = __libc_calloc(count, size);
    Took(block);
    return block;
}

void* realloc(void* block, size_t size) noexcept {
    const int64_t before = block ? int64_t(malloc_usable_size(block)) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved || size == 0) held -= before;
    Took(moved);
    return moved;
}

void free(void* block) noexcept {
    Gave(block);
    __libc_free(block);
}

void* memalign(size_t alignment, size_t size) noexcept {
    void* block = __libc_memalign(alignment, size);
    Took(block);
    return block;
}

void* aligned_alloc(size_t alignment, size_t size) noexcept {
    return memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) noexcept {
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    *out = memalign(alignment, size);
    return *out ? 0 : ENOMEM;
}

}  // extern "C"
