#include "video/coreldraw/DrawingReader.h"

#include <libcdr/libcdr.h>
#include <librevenge-stream/librevenge-stream.h>
#include <librevenge/librevenge.h>

namespace CorelDraw {

bool ReadDrawing(std::string_view bytes, std::vector<std::string>& pages) {
    pages.clear();
    if (bytes.empty() || bytes.size() > UINT32_MAX) return false;
    librevenge::RVNGStringStream input(reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<unsigned>(bytes.size()));
    if (!libcdr::CDRDocument::isSupported(&input)) return false;
    input.seek(0, librevenge::RVNG_SEEK_SET);
    librevenge::RVNGStringVector svgPages;
    librevenge::RVNGSVGDrawingGenerator generator(svgPages, "");
    if (!libcdr::CDRDocument::parse(&input, &generator)) return false;
    for (unsigned i = 0; i < svgPages.size(); ++i) pages.emplace_back(svgPages[i].cstr());
    return !pages.empty();
}

}  // namespace CorelDraw
