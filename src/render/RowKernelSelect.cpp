#include "panelwick/Sys/CpuLevel.h"
#include "render/RowKernel.h"

bool Avx2Supported() {
    return Sys::CpuSupports(Sys::CpuLevel::Avx2);
}

bool Avx512Supported() {
    return Sys::CpuSupports(Sys::CpuLevel::Avx512);
}

RowKernel SelectRowKernel(DrawPath path) {
    if (path == DrawPath::Automatic) {
        switch (Sys::ChosenCpuLevel()) {
            case Sys::CpuLevel::Avx512:
                path = DrawPath::Avx512;
                break;
            case Sys::CpuLevel::Avx2:
                path = DrawPath::Avx2;
                break;
            default:
                path = DrawPath::Scalar;
        }
    }
    if (path == DrawPath::Avx512 && Avx512Supported()) return DrawRowAvx512;
    if (path == DrawPath::Avx2 && Avx2Supported()) return DrawRowAvx2;
    return DrawRowScalar;
}
