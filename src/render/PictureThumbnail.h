#pragma once

#include <cstdint>
#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Mt/KeyedStore.h"
#include "render/ThumbnailKey.h"

// Small copies of pictures for the timeline's rows.
namespace PictureThumbnail {

// Loads a picture and shrinks it to `height` rows (never enlarging), keeping its proportions;
// false when it cannot be decoded.
bool Make(const std::string& path, uint32_t height, CG::ImageRGBA& thumbnail);
// Shrinks by averaging the source pixels each target pixel covers.
void Shrink(const CG::ImageRGBA& source, uint32_t height, CG::ImageRGBA& thumbnail);

}  // namespace PictureThumbnail

// Thumbnails made on a worker; a picture that cannot be decoded is marked failed. Asked for
// by path or by a ThumbnailKey.
class ThumbnailStore : public Mt::KeyedStore<CG::ImageRGBA> {
public:
    ThumbnailStore(uint32_t height, std::function<void()> ready)
        : KeyedStore(
              [height](const std::string& key, CG::ImageRGBA& image, Mt::Task&) {
                  return PictureThumbnail::Make(ThumbnailKey::FileOf(key), height, image);
              },
              std::move(ready)) {}
};
