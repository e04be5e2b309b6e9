#include <gtest/gtest.h>

#include "panelwick/Sys/CommandLine.h"
#include "production/MovieCommandLine.h"

TEST(MovieCommandLine, IsBuiltExactlyWithAndWithoutSoundtrack) {
    const ProjectPaths trip("/m/Trip"), myTrip("/m/My Trip");
    EXPECT_EQ(MovieCommandLine("/usr/bin", trip, false, 25, 1280, 720, 80, trip.partialMovie()),
              "/usr/bin/ffmpeg -thread_queue_size 8192 -f image2 -framerate 25 -i %08d.jpg "
              "-s 1280x720 -crf 11 -shortest -progress pipe:1 "
              "\"/m/Trip/tmp/movie.partial.mp4\"");
    EXPECT_EQ(MovieCommandLine("/opt", myTrip, true, 24, 160, 90, 70, myTrip.partialMovie()),
              "/opt/ffmpeg -i \"/m/My Trip/tmp/movie.wav\" -thread_queue_size 8192 -f image2 "
              "-framerate 24 -i %08d.jpg -s 160x90 -crf 16 -shortest -progress pipe:1 "
              "\"/m/My Trip/tmp/movie.partial.mp4\"");
}

TEST(CommandLine, QuotesGroupAndAnUnclosedQuoteRunsToTheEnd) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Sys::SplitCommandLine("/opt/ffmpeg -i \"/m/My Trip/tmp/movie.wav\" -y"),
              (V{"/opt/ffmpeg", "-i", "/m/My Trip/tmp/movie.wav", "-y"}));
    EXPECT_EQ(Sys::SplitCommandLine("  a\t\"b c\"d  \"\" \"e f"), (V{"a", "b cd", "", "e f"}));
    EXPECT_EQ(Sys::SplitCommandLine("   "), V{});
}
