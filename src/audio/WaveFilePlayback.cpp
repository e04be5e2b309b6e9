#include "audio/WaveFilePlayback.h"

#include <algorithm>

uint32_t WaveFilePlayback::BlockAlign() const {
    return std::max<uint32_t>(1, file_.channels() * ((file_.bitsPerSample() + 7) / 8));
}

Sys::Result WaveFilePlayback::Open(const std::filesystem::path& path, double from, double to) {
    next_ = remaining_ = 0;
    if (Sys::Result r = file_.OpenForReading(path); r.failed()) return r;
    const uint64_t align = BlockAlign(), rate = file_.samplesPerSecond();
    const uint64_t total = file_.dataBytes() / align * align;
    auto offset = [&](double seconds) {
        return seconds > 0 ? std::min<uint64_t>(uint64_t(seconds * rate) * align, total) : 0;
    };
    const uint64_t begin = offset(from);
    const uint64_t end = to > from ? offset(to) : total;
    if (begin != 0 && !file_.SeekSample(begin)) return {};
    next_ = begin;
    remaining_ = end - begin;
    return {};
}

uint32_t WaveFilePlayback::Fill(uint8_t* data, uint32_t capacity) {
    const uint32_t align = BlockAlign();
    const uint32_t wanted = uint32_t(std::min<uint64_t>(remaining_, capacity / align * align));
    const int32_t n = wanted == 0 ? 0 : file_.Read(data, int32_t(wanted));
    if (n <= 0) {
        remaining_ = 0;
        return 0;
    }
    next_ += uint32_t(n);
    remaining_ -= uint32_t(n);
    return uint32_t(n);
}

double WaveFilePlayback::Position() const {
    const double perSecond = double(file_.samplesPerSecond()) * BlockAlign();
    return perSecond > 0 ? double(next_) / perSecond : 0.0;
}
