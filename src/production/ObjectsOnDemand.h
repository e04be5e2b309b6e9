#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "production/PreparedScene.h"
#include "render/IFrameObjects.h"

// Prepares the pictures of a scene (images, texts, rectangles, videos) when the first frame
// that shows them is about to be composed, and releases each after the last frame any worker
// still has to compose shows it, so that memory follows the objects on screen, not the number
// of objects. Preparation is the same as preparing up front, so every frame stays the same.
// Preparations and releases run one at a time; a ready object is read without a lock.
class ObjectsOnDemand : public IFrameObjects {
public:
    ObjectsOnDemand(PreparedScene& scene, unsigned workers, uint32_t frameCount);

    void Range(uint32_t worker, uint32_t first, uint32_t end) override;
    Sys::Result Before(uint32_t worker, uint32_t frame) override;
    void After(uint32_t worker, uint32_t frame) override;
    void Finished(uint32_t worker) override;

    // Objects prepared and not yet released, and the most there were at once.
    size_t ready() const;
    size_t mostReady() const { return mostReady_.load(); }

private:
    struct Span {
        uint32_t first = 1, last = 0;  // frames that show the object; empty when first > last
    };
    struct Worker {
        std::atomic<uint32_t> current{0};
        std::atomic<uint32_t> end{UINT32_MAX};
    };

    bool OnDemand(size_t i) const;
    bool Shows(size_t i, uint32_t frame) const;
    // No worker has a frame left that shows object i.
    bool Unneeded(size_t i) const;
    void ReleaseIfUnneeded(size_t i);

    PreparedScene& scene_;
    std::vector<Span> spans_;
    std::unique_ptr<Worker[]> workers_;
    unsigned workerCount_;
    std::unique_ptr<std::atomic<bool>[]> ready_;
    std::mutex mutex_;  // one preparation or release at a time
    std::atomic<size_t> readyCount_{0}, mostReady_{0};
};
