#pragma once

#include <cstddef>

#include "panelwick/Com/Types.h"

namespace Com {

// The program's own text for an automation result code, from a fixed table of 55 codes;
// "Unknown error" for any other code.
const char* ErrorTableText(HRESULT hr);
// The number of codes the table knows.
size_t ErrorTableSize();

}  // namespace Com
