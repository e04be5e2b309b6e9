#include "panelwick/Mm/VectorPath.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Mm {

VectorLevel BestVectorLevel() {
    const char* forced = std::getenv("REELWORK_FORCE_SCALAR");
    if (forced != nullptr && std::strcmp(forced, "1") == 0) return VectorLevel::Plain;
#if defined(__x86_64__)
    return __builtin_cpu_supports("avx2") ? VectorLevel::Avx2 : VectorLevel::Sse2;
#else
    return VectorLevel::Plain;
#endif
}

std::atomic<VectorLevel> detail::vectorLevel{BestVectorLevel()};

void SetVectorLevel(VectorLevel level) {
    detail::vectorLevel.store(std::min(level, BestVectorLevel()));
}

}  // namespace Mm
