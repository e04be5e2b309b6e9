#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "panelwick/Sys/CpuLevel.h"
#include "render/RowKernel.h"

// Frames are drawn with the kernel of the process's one CPU level: the plain rule when
// REELWORK_FORCE_SCALAR=1 (the _scalar test run), else the fastest the processor runs.
TEST(RowKernel, AutomaticDrawsWithTheChosenCpuLevel) {
    const char* forced = std::getenv("REELWORK_FORCE_SCALAR");
    const bool plain = forced != nullptr && std::string(forced) == "1";
    EXPECT_EQ(Sys::ChosenCpuLevel() == Sys::CpuLevel::Plain, plain);
    const RowKernel expected = plain               ? DrawRowScalar
                               : Avx512Supported() ? DrawRowAvx512
                               : Avx2Supported()   ? DrawRowAvx2
                                                   : DrawRowScalar;
    EXPECT_EQ(SelectRowKernel(DrawPath::Automatic), expected);
    // A path asked for by name is kept, when the processor runs it.
    EXPECT_EQ(SelectRowKernel(DrawPath::Scalar), DrawRowScalar);
    EXPECT_EQ(SelectRowKernel(DrawPath::Avx2), Avx2Supported() ? DrawRowAvx2 : DrawRowScalar);
    EXPECT_EQ(SelectRowKernel(DrawPath::Avx512), Avx512Supported() ? DrawRowAvx512 : DrawRowScalar);
}
