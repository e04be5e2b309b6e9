#include "panelwick/Sys/CpuLevel.h"
#include "render/RowKernel.h"

bool Avx2Supported() {
    return Sys::CpuSupports(Sys::CpuLevel::Avx2);
}

RowKernel SelectRowKernel(DrawPath path) {
    if (path == DrawPath::Automatic) {
        path = Sys::ChosenCpuLevel() == Sys::CpuLevel::Avx2 ? DrawPath::Avx2 : DrawPath::Scalar;
    }
    if (path == DrawPath::Avx2 && Avx2Supported()) return DrawRowAvx2;
    return DrawRowScalar;
}
