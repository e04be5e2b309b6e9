#include "video/EncoderProgress.h"

#include <algorithm>

bool EncoderProgress::Take(std::string_view line) {
    constexpr std::string_view kFrame = "frame=", kEnd = "progress=end";
    if (line.substr(0, kEnd.size()) == kEnd) {
        ended_ = true;
        return true;
    }
    if (line.substr(0, kFrame.size()) != kFrame) return false;
    size_t i = kFrame.size();
    while (i < line.size() && line[i] == ' ') ++i;
    uint64_t value = 0;
    size_t digits = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 10; ++i, ++digits) {
        value = value * 10 + uint64_t(line[i] - '0');
    }
    if (digits == 0) return false;
    done_ = uint32_t(std::min<uint64_t>(value, UINT32_MAX));
    return true;
}

double EncoderProgress::fraction() const {
    if (ended_) return 1.0;
    if (frames_ == 0) return 0.0;
    return std::min(1.0, double(done_) / double(frames_));
}
