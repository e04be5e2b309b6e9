#pragma once

#include <functional>

#include "audio/PeakCache.h"
#include "panelwick/Mt/KeyedStore.h"

// Peaks for drawing, computed on a worker through the cache; a file that cannot be read stays
// without peaks.
class PeakStore : public Mt::KeyedStore<WavePeaks> {
public:
    PeakStore(PeakCache cache, std::function<void()> ready)
        : KeyedStore([cache = std::move(cache)](
                         const std::string& path, WavePeaks& peaks,
                         Mt::Task& task) { return cache.Get(path, peaks, task).ok(); },
                     std::move(ready)) {}
};
