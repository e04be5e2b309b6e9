#pragma once

#include <string>

#include "panelwick/Com/Types.h"

namespace Com {

// The name of a value type as the argument messages print it: "VT_I4", "VT_BYREF|VT_DISPATCH";
// a type number without a name prints as "VT_" and its decimal value.
std::string VarTypeName(VarType type);

}  // namespace Com
