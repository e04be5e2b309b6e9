#include <atomic>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "audio/PeakCache.h"
#include "audio/PeakStore.h"
#include "audio/WavePeaks.h"
#include "panelwick/Mm/WaveFile.h"
#include "support/TempDir.h"

namespace {

// A stereo 16-bit WAVE at 8000 frames a second: the left channel rises, the right falls.
std::vector<int16_t> WriteWave(const std::string& path, size_t frames) {
    std::vector<int16_t> samples;
    for (size_t i = 0; i < frames; ++i) {
        samples.push_back(int16_t((i * 37) % 30000));
        samples.push_back(int16_t(-int(i * 11 % 32768)));
    }
    Mm::WaveFile file;
    EXPECT_TRUE(file.OpenForWritting(8000, 2, 16, path).ok());
    EXPECT_EQ(file.Write(samples.data(), int32_t(samples.size() * 2)), int32_t(samples.size() * 2));
    EXPECT_TRUE(file.Close().ok());
    return samples;
}

}  // namespace

TEST(WavePeaks, EqualADirectComputationOnAKnownWave) {
    TempDir dir;
    const std::vector<int16_t> samples = WriteWave(dir / "a.wav", 40000 + 33);  // 5 s and a bit
    WavePeaks read;
    ASSERT_TRUE(WavePeaks::Compute(dir / "a.wav", read).ok());
    ASSERT_EQ(read.peaks.size(), 501u);  // 10 ms each, the last one short
    // Each peak is the largest magnitude of both channels in its 80 frames.
    for (size_t p = 0; p < read.peaks.size(); ++p) {
        int largest = 0;
        for (size_t i = p * 160; i < std::min(samples.size(), p * 160 + 160); ++i) {
            largest = std::max(largest, std::abs(int(samples[i])));
        }
        ASSERT_EQ(read.peaks[p], (largest * 255 + 16384) / 32768) << p;
    }
    EXPECT_EQ(read.peaks, WavePeaks::FromSamples(samples.data(), 40033, 2, 8000).peaks);
    EXPECT_EQ(read.Max(0, 5010), 255);
    EXPECT_EQ(read.Max(6000, 7000), 0);  // past the end

    std::ofstream(dir / "bad.wav") << "RIFF....WAVEnothing";
    EXPECT_FALSE(WavePeaks::Compute(dir / "bad.wav", read).ok());
    EXPECT_FALSE(WavePeaks::Compute(dir / "none.wav", read).ok());
}

TEST(PeakCache, KeepsPeaksUntilTheFileChanges) {
    TempDir dir;
    WriteWave(dir / "a.wav", 8000);
    PeakCache cache(dir.path() / "cache");
    WavePeaks peaks;
    EXPECT_FALSE(cache.Load(dir / "a.wav", peaks));
    ASSERT_TRUE(cache.Get(dir / "a.wav", peaks).ok());
    WavePeaks again;
    ASSERT_TRUE(cache.Load(dir / "a.wav", again));
    EXPECT_EQ(again.peaks, peaks.peaks);

    WriteWave(dir / "a.wav", 4000);  // another size: the entry no longer counts
    EXPECT_FALSE(cache.Load(dir / "a.wav", again));
    ASSERT_TRUE(cache.Get(dir / "a.wav", again).ok());
    EXPECT_EQ(again.peaks.size(), 50u);

    const std::string key = PeakCache::KeyOf(dir / "a.wav");
    const std::string bytes = PeakCache::Format(key, again);
    EXPECT_TRUE(PeakCache::Parse(bytes, key, peaks));
    EXPECT_FALSE(PeakCache::Parse(bytes.substr(0, bytes.size() - 1), key, peaks));  // cut short
    EXPECT_FALSE(PeakCache::Parse(bytes, key + "x", peaks));
    EXPECT_TRUE(PeakCache::KeyOf(dir / "none.wav").empty());
    EXPECT_FALSE(cache.Get(dir / "none.wav", peaks).ok());
}

TEST(PeakStore, ComputesOffTheCallersThreadAndRemembersFailures) {
    TempDir dir;
    WriteWave(dir / "a.wav", 8000);
    std::atomic<int> ready{0};
    PeakStore store(PeakCache(dir.path() / "cache"), [&] { ++ready; });
    EXPECT_EQ(store.Find(dir / "a.wav"), nullptr);  // queued
    EXPECT_EQ(store.Find(dir / "none.wav"), nullptr);
    store.WaitIdle();
    ASSERT_NE(store.Find(dir / "a.wav"), nullptr);
    EXPECT_EQ(store.Find(dir / "a.wav")->peaks.size(), 100u);
    EXPECT_EQ(store.Find(dir / "none.wav"), nullptr);  // not tried again
    EXPECT_TRUE(store.Failed(dir / "none.wav"));
    store.WaitIdle();
    EXPECT_EQ(ready.load(), 2);
}
