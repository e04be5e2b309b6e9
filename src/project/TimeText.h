#pragma once

#include <cstdint>
#include <string>

// "m:ss.s - m:ss.s " as a timeline row shows an object's time span (note the final blank).
std::string TimeText(uint32_t beginMs, uint32_t endMs);
