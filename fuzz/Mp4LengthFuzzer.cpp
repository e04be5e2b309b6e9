// fuzz-links: reelwork_video
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "video/Mp4Length.h"

// Any bytes: a length that is a number, never a read outside the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const double seconds =
        Mp4Length::Seconds(size, [&](uint64_t at, void* out, size_t count) {
            if (at > size || count > size - at) std::abort();
            std::memcpy(out, data + at, count);
            return true;
        });
    if (!(seconds >= 0)) std::abort();
    return 0;
}
