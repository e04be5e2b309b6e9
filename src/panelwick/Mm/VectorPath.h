#pragma once

#include <atomic>

namespace Mm {

// Which vector code the audio routines use. Every vector path gives the same samples as the
// plain code; REELWORK_FORCE_SCALAR=1 in the environment selects the plain code everywhere,
// and tests switch between the levels.
enum class VectorLevel { Plain, Sse2, Avx2 };

namespace detail {
extern std::atomic<VectorLevel> vectorLevel;
}

inline VectorLevel CurrentVectorLevel() {
    return detail::vectorLevel.load(std::memory_order_relaxed);
}
inline bool UseVectorPath() {
    return CurrentVectorLevel() != VectorLevel::Plain;
}
inline bool UseAvx2() {
    return CurrentVectorLevel() == VectorLevel::Avx2;
}
// The best level this processor offers (Plain when forced by the environment).
VectorLevel BestVectorLevel();
// Selects a level, at most the best one.
void SetVectorLevel(VectorLevel level);

}  // namespace Mm
