#pragma once

#include <cstdint>
#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Mt/KeyedStore.h"

// Small copies of pictures for the timeline's rows.
namespace PictureThumbnail {

// Loads a picture and shrinks it to `height` rows (never enlarging), keeping its proportions;
// false when it cannot be decoded.
bool Make(const std::string& path, uint32_t height, CG::ImageRGBA& thumbnail);
// Shrinks by averaging the source pixels each target pixel covers.
void Shrink(const CG::ImageRGBA& source, uint32_t height, CG::ImageRGBA& thumbnail);

}  // namespace PictureThumbnail

// Thumbnails made on a worker; a picture that cannot be decoded is marked failed.
class ThumbnailStore : public Mt::KeyedStore<CG::ImageRGBA> {
public:
    ThumbnailStore(uint32_t height, std::function<void()> ready)
        : KeyedStore([height](const std::string& path, CG::ImageRGBA& image,
                              Mt::Task&) { return PictureThumbnail::Make(path, height, image); },
                     std::move(ready)) {}
};
