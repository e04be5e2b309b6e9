// fuzz-links: reelwork_audio
// Any bytes as a cached peaks entry, checked against a fixed key and against the key the bytes
// claim, so that both the rejection and the reading of the peaks are reached.
#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/PeakCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WavePeaks peaks;
    (void)PeakCache::Parse(bytes, "/a.wav\n1\n1.000000000", peaks);
    if (bytes.size() >= 12) {
        const size_t claimed = uint8_t(bytes[8]) | uint8_t(bytes[9]) << 8;
        (void)PeakCache::Parse(bytes, bytes.substr(12, claimed), peaks);
        (void)peaks.Max(0, 100000);
    }
    return 0;
}
