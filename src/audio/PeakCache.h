#pragma once

#include <filesystem>
#include <string>

#include "audio/WavePeaks.h"

// Peaks kept between runs, one file per sound file in a cache folder. An entry holds the sound
// file's path, size and modification time and is used only while all three still match, so a
// changed file is read again. Entries that cannot be read count as missing.
class PeakCache {
public:
    explicit PeakCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // $XDG_CACHE_HOME/reelwork/peaks, or ~/.cache/reelwork/peaks; empty without either.
    static std::filesystem::path DefaultFolder();

    // The peaks from the cache, else computed from the file and stored.
    Sys::Result Get(const std::filesystem::path& wave, WavePeaks& peaks,
                    Mt::Task& task = Mt::Task::Unwatched()) const;
    bool Load(const std::filesystem::path& wave, WavePeaks& peaks) const;
    void Store(const std::filesystem::path& wave, const WavePeaks& peaks) const;

    // What identifies a sound file's current contents; empty when it cannot be examined.
    static std::string KeyOf(const std::filesystem::path& wave);
    // An entry's bytes, read back when they hold `key`.
    static bool Parse(const std::string& bytes, const std::string& key, WavePeaks& peaks);
    static std::string Format(const std::string& key, const WavePeaks& peaks);

private:
    std::filesystem::path EntryOf(const std::string& key) const;

    std::filesystem::path folder_;
};
