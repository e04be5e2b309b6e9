#include "panelwick/Mm/VectorPath.h"

#include <cstdlib>
#include <cstring>

namespace Mm {
namespace {

bool ForcedScalar() {
    const char* value = std::getenv("REELWORK_FORCE_SCALAR");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

std::atomic<bool> detail::vectorPath{!ForcedScalar()};

void SetVectorPath(bool enabled) { detail::vectorPath.store(enabled && !ForcedScalar()); }

bool UseAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool present = __builtin_cpu_supports("avx2");
    return present && UseVectorPath();
#else
    return false;
#endif
}

}  // namespace Mm
