#pragma once

#include <cstdint>
#include <string>

#include "project/MovieProperties.h"

class Document;

namespace Cli {

// Prepares the document's objects for a movie of the given properties (its size is the
// picture's), composes one frame as the movie would and writes it to `out`: .jpg and .jpeg at
// the properties' JPG quality, .bmp as it is, anything else as PNG. With skipFailures an
// object that cannot be prepared is left out instead of failing. Gives the exit status, the
// failure printed.
int WriteProjectFrame(const Document& document, const MovieProperties& properties,
                      uint32_t frame, const std::string& out, bool skipFailures);

}  // namespace Cli
