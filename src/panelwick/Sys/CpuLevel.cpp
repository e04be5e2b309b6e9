#include "panelwick/Sys/CpuLevel.h"

#include <cstdlib>
#include <cstring>

namespace Sys {
namespace {

CpuLevel HighestSupported() {
    if (CpuSupports(CpuLevel::Avx512)) return CpuLevel::Avx512;
    if (CpuSupports(CpuLevel::Avx2)) return CpuLevel::Avx2;
    if (CpuSupports(CpuLevel::Sse2)) return CpuLevel::Sse2;
    return CpuLevel::Plain;
}

bool ScalarForced() {
    const char* value = std::getenv("REELWORK_FORCE_SCALAR");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

CpuLevel ChosenCpuLevel() {
    static const CpuLevel chosen = ScalarForced() ? CpuLevel::Plain : HighestSupported();
    return chosen;
}

bool CpuSupports(CpuLevel level) {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    switch (level) {
        case CpuLevel::Plain:
            return true;
        case CpuLevel::Sse2:
            return __builtin_cpu_supports("sse2");
        case CpuLevel::Avx2:
            return __builtin_cpu_supports("avx2");
        case CpuLevel::Avx512:
            return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
                   __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
                   __builtin_cpu_supports("avx512vl");
    }
    return false;
#else
    return level == CpuLevel::Plain;
#endif
}

const char* CpuLevelName(CpuLevel level) {
    switch (level) {
        case CpuLevel::Plain:
            return "plain";
        case CpuLevel::Sse2:
            return "SSE2";
        case CpuLevel::Avx2:
            return "AVX2";
        case CpuLevel::Avx512:
            return "AVX-512";
    }
    return "?";
}

}  // namespace Sys
