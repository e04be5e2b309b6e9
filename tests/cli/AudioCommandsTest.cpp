#include "CliChecks.h"
#include "project/ProjectFile.h"
#include "support/WaveMaker.h"

TEST(AudioCommands, OneFileToolsWriteBesideTheInput) {
    TempDir dir;
    WriteWave(dir / "talk.wav", Sine(467460, 1, 3000, 220), 1);  // 10.6 s
    EXPECT_EQ(RunCli({"duration", dir / "talk.wav"}).out, "Duration: 0:11\n");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "talk_norm.wav", "an older file"));
    const CommandResult normalized = RunCli({"normalize", dir / "talk.wav"});
    ASSERT_EQ(normalized.status, 0) << normalized.err;
    EXPECT_TRUE(normalized.out.ends_with(dir / "talk_norm.wav\n")) << normalized.out;
    EXPECT_EQ(ReadWaveSamples(dir / "talk_norm.wav").size(), 467460u);
    for (const auto& [args, name] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"boost-bass", dir / "talk.wav", "120", "6"}, "talk_bass.wav"},
             {{"smooth-ends", dir / "talk.wav"}, "talk_smooth.wav"},
             {{"cut", dir / "talk.wav", "1", "0:02"}, "talk_cut.wav"}}) {
        const CommandResult result = RunCli(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_FALSE(ReadWaveSamples(dir / name).empty()) << name;
    }
    EXPECT_NEAR(double(ReadWaveSamples(dir / "talk_cut.wav").size()), 44100, 512);
    // A cut beyond the end gives a valid empty file.
    ASSERT_EQ(RunCli({"cut", dir / "talk.wav", "20", "30"}).status, 0);
    EXPECT_EQ(Read(dir / "talk_cut.wav").size(), 44u);

    ExpectFailure(RunCli({"normalize", dir / "none.wav"}), "Please provide a valid file");
    ExpectFailure(RunCli({"cut", dir / "talk.wav", "x", "2"}),
                  "The times must be seconds (75.5) or minutes and seconds (1:15.5)");
    Sys::WriteWholeFile(dir / "8.wav", WaveBytes({.bits = 8}, std::string(400, '\1')));
    ExpectFailure(RunCli({"boost-bass", dir / "8.wav", "100", "6"}),
                  "The resolution must be 16 bits");
    EXPECT_FALSE(Sys::FileExists(dir / "8_bass.wav"));
    Sys::WriteWholeFile(dir / "f.wav", WaveBytes({.tag = 3, .bits = 32}, std::string(400, '\1')));
    ExpectFailure(RunCli({"duration", dir / "f.wav"}),
                  "WaveFile::OpenForReading - Format is not supported");
}

TEST(AudioCommands, MixFollowsTheDialogsChoices) {
    TempDir dir;
    WriteWave(dir / "voice.wav", Constant(44100, 2, 10000), 2);
    WriteWave(dir / "music.wav", Constant(22050, 2, -2000), 2);
    auto mix = [&](std::vector<std::string> options) {
        std::vector<std::string> args{"mix", dir / "voice.wav", dir / "music.wav", dir / "out.wav"};
        args.insert(args.end(), options.begin(), options.end());
        const CommandResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        return ReadWaveSamples(dir / "out.wav");
    };
    const std::vector<int16_t> autoLevel = mix({"--auto-level"});
    EXPECT_EQ(mix({"--loop", "--auto-level"}), autoLevel);
    EXPECT_NE(mix({"--loop"}), autoLevel);
    // Slider at 100: only the music; at 1 with looping: voice percent 99.
    const std::vector<int16_t> music = mix({"--balance", "100"});
    EXPECT_EQ(music[0], -2000);
    EXPECT_EQ(music[2 * 30000], 0);
    const std::vector<int16_t> looped = mix({"--loop", "--balance", "1"});
    EXPECT_EQ(looped[2 * 30000], 9900 - 20);  // the music repeats
    EXPECT_EQ(mix({})[0], 5000 - 1000);
    ExpectFailure(RunCli({"mix", dir / "voice.wav", dir / "none.wav", dir / "o.wav"}),
                  "Please provide a valid input file");
    ExpectFailure(RunCli({"mix", dir / "voice.wav", dir / "music.wav", ""}),
                  "Please provide a valid output file");
}

TEST(AudioCommands, AppendRefusesUnlikeFiles) {
    TempDir dir;
    WriteWave(dir / "a.wav", Constant(100, 1, 1), 1);
    WriteWave(dir / "b.wav", Constant(50, 1, 2), 1);
    Sys::WriteWholeFile(dir / "22k.wav",
                        WaveBytes({.channels = 1, .rate = 22050}, std::string(40, '\1')));
    ExpectFailure(RunCli({"append", dir / "out.wav", dir / "22k.wav", dir / "a.wav"}),
                  "All the files must have the same number of samples per second");
    EXPECT_FALSE(Sys::FileExists(dir / "out.wav"));
    ASSERT_EQ(
        RunCli({"append", dir / "out.wav", dir / "a.wav", dir / "b.wav", dir / "a.wav"}).status, 0);
    EXPECT_EQ(ReadWaveSamples(dir / "out.wav").size(), 250u);
}

TEST(AudioCommands, MixAudioWritesTheSoundtrackAndStopsOnCtrlC) {
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.path().string(), "P"}).status, 0);
    const std::string project = dir / "P/P.rwk";
    const CommandResult mixed = RunCli({"mix-audio", project, dir / "sound.wav"});
    ASSERT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_EQ(Probe("stream=duration,channels,sample_rate", dir / "sound.wav"),
              "44100,2,3.000000\n");

    // A ten-minute movie takes long enough to be stopped.
    std::vector<MovieObject> objects(2);
    objects[0].end = 600000;
    objects[1].type = MovieObjectType::Audio;
    objects[1].fileName = u"sample.wav";
    objects[1].end = 600000;
    ASSERT_TRUE(ProjectFile::Save(dir / "P/long.rwk", MovieProperties::AfterNew(), objects).ok());
    // One SIGINT after 150 ms, sent to the program alone (--foreground), as Ctrl+C once.
    const std::string out = dir / "long.wav";
    EXPECT_EQ(RunCommand({"timeout", "--foreground", "--preserve-status", "-s", "INT", "0.15", kCli,
                          "mix-audio", dir / "P/long.rwk", out})
                  .status,
              130);
    EXPECT_FALSE(Sys::FileExists(out));
}

TEST(AudioCommands, ProgressRedrawsOneLineOnATerminal) {
    TempDir dir;
    WriteWave(dir / "talk.wav", Sine(441000, 2, 3000, 220), 2);
    // script gives the command a terminal; without one every line ends with a line break.
    const CommandResult terminal =
        RunCommand({"script", "-qec", kCli + " normalize " + dir / "talk.wav", "/dev/null"});
    EXPECT_NE(terminal.out.find("\rNormalizing  100%\x1b[K"), std::string::npos) << terminal.out;
    const CommandResult plain = RunCli({"normalize", dir / "talk.wav"});
    EXPECT_EQ(plain.out.find('\r'), std::string::npos);
    EXPECT_NE(plain.out.find("Normalizing  100%\n"), std::string::npos);
}
