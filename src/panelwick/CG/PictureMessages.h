#pragma once

namespace CG {

// Texts the loaders share.
inline constexpr const char* kUnrecognizedFile = "Unrecognized file";
inline constexpr const char* kUnableToOpen =
    "Unable to open file, the file does not exist or it is being used by another process";
inline constexpr const char* kErrorReadingFile = "Error reading the file";
inline constexpr const char* kCopyPixels = "bitmapFrameDecode.CopyPixels";
inline constexpr const char* kOutOfMemory = "Out of memory";
inline constexpr const char* kImageEmpty = "The image is empty";

}  // namespace CG
