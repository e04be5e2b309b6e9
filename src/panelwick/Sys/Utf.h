#pragma once

#include <string>
#include <string_view>

// Conversions between the UTF-16 strings kept in project files and UTF-8 used everywhere else.
namespace Sys {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string ToUtf16(std::string_view text);
// True when every surrogate is part of a pair.
bool IsValidUtf16(std::u16string_view text);

}  // namespace Sys
