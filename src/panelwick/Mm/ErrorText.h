#pragma once

#include <cstdint>
#include <string>

namespace Mm {

// Codes of the device open failures.
inline constexpr uint32_t kUnspecifiedError = 1;
inline constexpr uint32_t kBadDeviceId = 2;
inline constexpr uint32_t kNoDriver = 6;
inline constexpr uint32_t kBadFormat = 32;

// The text of a device error code.
std::string ErrorText(uint32_t code);

}  // namespace Mm
