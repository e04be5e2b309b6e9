#pragma once

#include "panelwick/Com/Types.h"

namespace Com {

// The platform's standard English description of a result code, as the system message
// table gives it, or nullptr when the system has none.
const char* SystemMessage(HRESULT hr);

}  // namespace Com
