#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Sys/Result.h"
#include "render/FrameScene.h"
#include "render/WorkMemory.h"

// The project's frame file of that number (see ProjectPaths).
std::string FrameFilePath(const std::string& projectFolder, uint32_t fileNumber);

// Composes frame f in the worker's memory and writes it as the JPG file of that number at the
// movie's JPG quality. Fails with a draw's error text, or with "Document::CreateFrame error
// workMemory.jpgImage.Encode" when the frame cannot be encoded or written; when the system
// refused the file, its reason ("No space left on device") follows on a line of its own.
Sys::Result WriteFrameFile(const FrameScene& scene, uint32_t frame, uint32_t fileNumber,
                           WorkMemory& memory);
