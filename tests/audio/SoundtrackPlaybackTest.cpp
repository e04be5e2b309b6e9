#include <chrono>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "audio/SoundtrackPlayback.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

TEST(SoundtrackPlayback, SilentPlaybackRunsFromItsStartAndStandsStillWhenStopped) {
    SoundtrackPlayback playback({}, MovieProperties{}, "/nonexistent");
    EXPECT_EQ(playback.Start(2.0, false), "");
    EXPECT_TRUE(playback.silent());
    const double running = playback.Clock();
    EXPECT_GE(running, 2.0);
    EXPECT_FALSE(playback.LostDevice());
    playback.Stop();
    const double stopped = playback.Clock();
    EXPECT_GE(stopped, running);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(playback.Clock(), stopped);
}

TEST(SoundtrackPlayback, TheClockIsTheSoundHandedToTheDevice) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    TempDir dir;
    WriteWave(dir / "a.wav", Sine(3 * 44100, 2, 8000, 440), 2);
    MovieObject sound;
    sound.type = MovieObjectType::Audio;
    sound.fileName = u"a.wav";
    sound.end = 3000;
    SoundtrackPlayback playback({sound}, MovieProperties{}, dir.path().string());
    if (!playback.Start(1.0).empty()) GTEST_SKIP() << "no dummy sound driver";
    EXPECT_FALSE(playback.silent());
    EXPECT_GE(playback.Clock(), 1.0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (playback.Clock() < 1.2 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GE(playback.Clock(), 1.2);
    EXPECT_FALSE(playback.silent());
}
