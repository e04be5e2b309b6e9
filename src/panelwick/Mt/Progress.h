#pragma once

#include <atomic>
#include <cstdint>

namespace Mt {

// A fraction of work done, 0..1, shared between a worker and the user interface without a
// lock: a 64-bit fixed-point value (fraction x 2^31).
class Progress {
public:
    static constexpr int64_t kOne = int64_t(1) << 31;

    void Set(double fraction) { value_.store(int64_t(fraction * double(kOne))); }
    void SetFixed(int64_t value) { value_.store(value); }
    void Reset() { value_.store(0); }
    double Get() const { return double(value_.load()) / double(kOne); }
    int64_t GetFixed() const { return value_.load(); }

private:
    std::atomic<int64_t> value_{0};
};

}  // namespace Mt
