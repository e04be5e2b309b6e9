#pragma once

namespace Sys {

// The instruction sets the fast code paths are written for, from plain C++ (any processor)
// up. Every level gives the same bytes; a higher one only gets there sooner.
enum class CpuLevel { Plain, Sse2, Avx2, Avx512 };

// The level every fast path of this process uses, decided once, at the first call: the
// highest this processor supports, or Plain when the environment holds
// REELWORK_FORCE_SCALAR=1 (so that a test or a user can always compare with the plain code).
CpuLevel ChosenCpuLevel();
// Whether this processor runs code of that level, whatever the environment says; for tests
// and benchmarks that pick a level themselves.
bool CpuSupports(CpuLevel level);
const char* CpuLevelName(CpuLevel level);

}  // namespace Sys
