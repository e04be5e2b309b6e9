#include "production/ObjectsOnDemand.h"

#include <algorithm>

#include "render/FrameTiming.h"
#include "render/PrepareObject.h"

namespace {

uint32_t Milliseconds(uint32_t frame, uint8_t fps) {
    return InstantOfFrame(frame, fps).milliseconds;
}

}  // namespace

ObjectsOnDemand::ObjectsOnDemand(PreparedScene& scene, unsigned workers, uint32_t frameCount)
    : scene_(scene),
      spans_(scene.objects.size()),
      workers_(new Worker[workers ? workers : 1]),
      workerCount_(workers ? workers : 1),
      ready_(new std::atomic<bool>[scene.objects.size()]) {
    const uint8_t fps = scene.properties.fps;
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        ready_[i].store(false);
        const MovieObject& o = scene.objects[i];
        if (!OnDemand(i) || frameCount == 0 || fps == 0) continue;
        // The first frame at or after the begin and the last at or before the end.
        uint32_t first = uint32_t(std::min<uint64_t>(uint64_t(o.begin) * fps / 1000, frameCount));
        while (first > 0 && Milliseconds(first - 1, fps) >= o.begin) --first;
        while (first < frameCount && Milliseconds(first, fps) < o.begin) ++first;
        uint32_t last =
            uint32_t(std::min<uint64_t>(uint64_t(o.end) * fps / 1000 + 1, frameCount - 1));
        while (last + 1 < frameCount && Milliseconds(last + 1, fps) <= o.end) ++last;
        while (last > 0 && Milliseconds(last, fps) > o.end) --last;
        if (Milliseconds(last, fps) > o.end) continue;  // not even frame 0
        spans_[i] = {first, last};
    }
}

bool ObjectsOnDemand::OnDemand(size_t i) const {
    const MovieObjectType type = scene_.objects[i].type;
    return type == MovieObjectType::Image || type == MovieObjectType::Text ||
           type == MovieObjectType::Rectangle || type == MovieObjectType::Video;
}

bool ObjectsOnDemand::Shows(size_t i, uint32_t frame) const {
    return spans_[i].first <= frame && frame <= spans_[i].last;
}

void ObjectsOnDemand::Range(uint32_t worker, uint32_t first, uint32_t end) {
    workers_[worker].end.store(end);
    workers_[worker].current.store(first);
}

Sys::Result ObjectsOnDemand::Before(uint32_t worker, uint32_t frame) {
    // Set before any object is looked at, so that a release in another worker sees it.
    workers_[worker].current.store(frame);
    for (size_t i = 0; i < spans_.size(); ++i) {
        if (!Shows(i, frame) || ready_[i].load(std::memory_order_acquire)) continue;
        std::lock_guard lock(mutex_);
        if (ready_[i].load()) continue;
        const Sys::Result prepared =
            PrepareObject(scene_.objects[i], scene_.prepared[i], scene_.paths.folder(),
                          scene_.properties.width, scene_.properties.height);
        if (prepared.failed()) return prepared;
        ready_[i].store(true, std::memory_order_release);
        const size_t now = readyCount_.fetch_add(1) + 1;
        mostReady_.store(std::max(mostReady_.load(), now));
    }
    return {};
}

void ObjectsOnDemand::After(uint32_t worker, uint32_t frame) {
    workers_[worker].current.store(frame + 1);
    // Any ready object may have become unneeded, by this worker or by others that moved on
    // since (their frames interleave with ours).
    for (size_t i = 0; i < spans_.size(); ++i) {
        if (ready_[i].load() && Unneeded(i)) ReleaseIfUnneeded(i);
    }
}

void ObjectsOnDemand::Finished(uint32_t worker) {
    workers_[worker].end.store(0);
    workers_[worker].current.store(UINT32_MAX);
    for (size_t i = 0; i < spans_.size(); ++i) {
        if (ready_[i].load()) ReleaseIfUnneeded(i);
    }
}

bool ObjectsOnDemand::Unneeded(size_t i) const {
    for (unsigned w = 0; w < workerCount_; ++w) {
        // What worker w has left: [current, end).
        const uint32_t current = workers_[w].current.load(), end = workers_[w].end.load();
        if (current <= spans_[i].last && end > spans_[i].first && current < end) return false;
    }
    return true;
}

void ObjectsOnDemand::ReleaseIfUnneeded(size_t i) {
    std::lock_guard lock(mutex_);
    if (!ready_[i].load() || !Unneeded(i)) return;
    scene_.prepared[i].Release();
    ready_[i].store(false);
    readyCount_.fetch_sub(1);
}

size_t ObjectsOnDemand::ready() const {
    return readyCount_.load();
}
