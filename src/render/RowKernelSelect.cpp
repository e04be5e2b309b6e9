#include <cstdlib>
#include <cstring>

#include "render/RowKernel.h"

bool Avx2Supported() {
    static const bool supported = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return supported;
}

RowKernel SelectRowKernel(DrawPath path) {
    if (path == DrawPath::Automatic) {
        static const DrawPath chosen = [] {
            const char* force = std::getenv("REELWORK_FORCE_SCALAR");
            if (force && std::strcmp(force, "1") == 0) return DrawPath::Scalar;
            return Avx2Supported() ? DrawPath::Avx2 : DrawPath::Scalar;
        }();
        path = chosen;
    }
    if (path == DrawPath::Avx2 && Avx2Supported()) return DrawRowAvx2;
    return DrawRowScalar;
}
