#pragma once

#include <atomic>

namespace Mm {

namespace detail {
extern std::atomic<bool> vectorPath;
}

// Whether the audio routines may use their vector code. Every vector path gives the same
// samples as the plain one; REELWORK_FORCE_SCALAR=1 in the environment selects the plain code
// everywhere, and tests switch between the two.
inline bool UseVectorPath() { return detail::vectorPath.load(std::memory_order_relaxed); }
void SetVectorPath(bool enabled);
// AVX2 is present and the vector path is on.
bool UseAvx2();

}  // namespace Mm
